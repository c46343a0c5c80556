// The text edit control's measures, desired size, layout, scrolling and
// drawing. Characters are measured with each font's 256-entry width table,
// kept per font until the next desired-size pass.
#include <algorithm>
#include <cstring>

#include "ZQF_CalendarAndTimeHelpers.h"
#include "ZQF_Canvas.h"
#include "ZQF_DetermineScrollBarLayouts.h"
#include "ZQF_Metrics.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQ_Assertion.h"
#include "ZQ_OperatingSystem.h"

namespace {

using Rect = ZQ_Rectangle<long>;

// The width the layout grants a field that may stretch.
const long kStretchWidth = 0x20000000;
// Format codes: a tab, a line end (or the text's end), a selected character.
const unsigned long kFormatTab = 0x40000000;
const unsigned long kFormatLineEnd = 0x20000000;
const unsigned long kFormatSelected = 0x80000000;

bool IsEmpty(const Rect& R) { return R.Width <= 0 || R.Height <= 0; }

// Zone 1 before Start, 2 from End on, with the distance outside as Value;
// inside both stay as they are.
void AxisZone(long At, long Start, long End, int& Zone, long& Value) {
  if (At < Start) {
    Zone = 1;
    Value = Start - At;
  } else if (At >= End) {
    Zone = 2;
    Value = At - End;
  }
}

// Fills Area less Hole (glyph-local) with Color.
void FillOutside(ZQF_Canvas& Canvas, const Rect& Area, const Rect& Hole, const ZQR_Color& Color) {
  Canvas.PushClippingRegion();
  if (Canvas.ExcludeClippingRegion(Hole.X, Hole.Y, Hole.Width, Hole.Height, 1)) {
    Canvas.UseClippingRegion();
    Canvas.Fill(Area, Color);
  }
  Canvas.PopClippingRegion();
  Canvas.UseClippingRegion();
}

}  // namespace

// --- Customisation slots and their defaults.

long ZQF_TextEditGlyph::Cust_GetLeftMargin() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X; }
long ZQF_TextEditGlyph::Cust_GetRightMargin() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X; }
long ZQF_TextEditGlyph::Cust_GetTopMargin() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y; }
long ZQF_TextEditGlyph::Cust_GetBottomMargin() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y; }
long ZQF_TextEditGlyph::Cust_GetExtraLineSpacing() {
  return Util_GetFontMeasures(0).ExternalLeading;
}
int ZQF_TextEditGlyph::Cust_GetVerticalScrollBarPolicy() { return 2; }
unsigned short ZQF_TextEditGlyph::GetCharacterAttribute(long) { return 0; }
ZQR_Color ZQF_TextEditGlyph::Cust_GetTextColor(unsigned short) { return ZQF_GetColorMetric(ZQF_ColorMetric_FieldText); }
ZQR_Color ZQF_TextEditGlyph::Cust_GetBackgroundColor(unsigned short) {
  return ZQF_GetColorMetric(ZQF_ColorMetric_FieldBackground);
}
ZQR_ConcreteFont ZQF_TextEditGlyph::Cust_GetFont(unsigned short) { return ZQF_GetFontMetric(ZQF_FontMetric_Field); }
long ZQF_TextEditGlyph::Cust_GetGrowingModeMinimumLines() { return 2; }
long ZQF_TextEditGlyph::Cust_GetGrowingModeMaximumLines() { return 10; }
long ZQF_TextEditGlyph::Cust_GetTabWidth(long, const long* WidthTable) { return WidthTable[9]; }

// --- Measures.

const ZQF_TextEditGlyph::FontMeasures& ZQF_TextEditGlyph::Util_GetFontMeasures(
    unsigned short Attribute) {
  const ZQR_ConcreteFont font = Cust_GetFont(Attribute);
  for (const auto& entry : FontCache) {
    if (entry->Font == font) return *entry;
  }
  auto measures = std::make_unique<FontMeasures>();
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  const ZQ_Array<long> widths = font.GetWidthTable(dc);
  for (int i = 0; i < 256; ++i) measures->Widths[i] = widths[i];
  measures->Font = font;
  measures->Height = font.GetHeight(dc);
  measures->ExternalLeading = font.GetExternalLeading(dc);
  measures->MaxCharWidth = font.GetMaxCharWidth(dc);
  FontCache.push_back(std::move(measures));
  return *FontCache.back();
}

long ZQF_TextEditGlyph::Util_GetCharacterWidth(long CharacterOffset) {
  const FontMeasures& font = Util_GetFontMeasures(GetCharacterAttribute(CharacterOffset));
  const unsigned char c = static_cast<unsigned char>(Buffer->GetCharacters()[CharacterOffset]);
  return c == '\t' ? Cust_GetTabWidth(CharacterOffset, font.Widths) : font.Widths[c];
}

long ZQF_TextEditGlyph::Util_GetSpaceWidth() { return Util_GetFontMeasures(0).Widths[' ']; }
long ZQF_TextEditGlyph::Util_GetFontHeight() { return Util_GetFontMeasures(0).Height; }
long ZQF_TextEditGlyph::Util_GetLineHeight() {
  return Util_GetFontHeight() + Cust_GetExtraLineSpacing();
}
long ZQF_TextEditGlyph::Util_GetCaretAllowance() { return ZQF_GetCaretAllowance(); }
ZQ_Point<long> ZQF_TextEditGlyph::Util_GetBorderThickness() {
  return ZQF_Canvas::GetBorderSize(GetBorderStyle());
}

// --- Desired size.

void ZQF_TextEditGlyph::UpdateMyDesiredSize() {
  FontCache.clear();
  if (!GetComputesDesiredSize()) {
    DesiredSize.MakeValid();
    return;
  }
  const bool growing = (Mode & Mode_MultiLineGrowing) != 0;
  long lines = std::max(1L, Buffer->GetNumLines());
  if (growing) {
    lines = std::max(Cust_GetGrowingModeMinimumLines(),
                     std::min(Cust_GetGrowingModeMaximumLines(), Buffer->GetNumLines()));
  }
  const ZQ_Point<long> border = Util_GetBorderThickness();
  const long borderX = Cust_GetLeftMargin() + Cust_GetRightMargin() + 2 * border.X;
  const long borderY = Cust_GetTopMargin() + Cust_GetBottomMargin() + 2 * border.Y;
  const long lineHeight = Util_GetLineHeight();
  const long extra = Cust_GetExtraLineSpacing();
  const long natural = lineHeight * lines - extra + borderY;
  const long minimum = growing ? natural : lineHeight - extra + borderY;
  const long maximum = (Mode & Mode_MultiLine) ? kStretchWidth : natural;
  DesiredSize.SetY(natural, minimum, maximum);
  DesiredSize.SetX(borderX + kStretchWidth, borderX + Util_GetFontMeasures(0).MaxCharWidth,
                   borderX + kStretchWidth);
  if (growing) LaidOutNumLines = Buffer->GetNumLines();
}

long ZQF_TextEditGlyph::ComputeHeightToHoldNLines(long NumLines) {
  ZQ_ASSERT(0 < NumLines);
  const ZQ_Point<long> border = Util_GetBorderThickness();
  return Cust_GetTopMargin() + Cust_GetBottomMargin() + 2 * border.Y +
         Util_GetLineHeight() * NumLines - Cust_GetExtraLineSpacing();
}

long ZQF_TextEditGlyph::ComputeWidthToHoldNChars(long NumChars) {
  ZQ_ASSERT(0 <= NumChars);
  const ZQ_Point<long> border = Util_GetBorderThickness();
  return Cust_GetLeftMargin() + Cust_GetRightMargin() + 2 * border.X + Util_GetCaretAllowance() +
         std::max(1L, NumChars) * Util_GetFontMeasures(0).MaxCharWidth;
}

ZQ_Point<long> ZQF_TextEditGlyph::ComputeTextSize(const ZQ_String& Text) {
  return Cust_GetFont(0).GetSize(ZQF_GetMetricDC(), Text);
}

namespace {

void FixSize(ZQF_ControlGlyph& Control, long Width, long Height, bool FixedWidth,
             bool FixedHeight) {
  const ZQ_Point<long> size(Width, Height);
  ZQ_Point<long> maximum = size;
  if (!FixedWidth) maximum.X = std::max(maximum.X, 0x10000000L);
  if (!FixedHeight) maximum.Y = std::max(maximum.Y, 0x10000000L);
  Control.SetFixedDesiredSize(size, size, maximum);
}

}  // namespace

void ZQF_TextEditGlyph::SetFixedSize(long Characters, long Lines, bool FixedWidth,
                                     bool FixedHeight) {
  FixSize(*this, ComputeWidthToHoldNChars(Characters), ComputeHeightToHoldNLines(Lines), FixedWidth,
          FixedHeight);
}

void ZQF_TextEditGlyph::SetFixedSize(const ZQ_String& SampleText, long Lines, bool FixedWidth,
                                     bool FixedHeight) {
  const ZQ_Point<long> border = Util_GetBorderThickness();
  const long width = Cust_GetLeftMargin() + Cust_GetRightMargin() + 2 * border.X +
                     Util_GetCaretAllowance() + ComputeTextSize(SampleText).X;
  FixSize(*this, width, ComputeHeightToHoldNLines(Lines), FixedWidth, FixedHeight);
}

ZQ_Point<long> ZQF_TextEditGlyph::ComputeSizeToHoldText(long Options) {
  long widest = Util_GetFontMeasures(0).MaxCharWidth;
  for (long line = 0; line < Buffer->GetNumLines(); ++line) {
    widest = std::max(widest, Util_LineColumnToXCoordinate(line, Buffer->GetLineLength(line)));
  }
  const ZQ_Point<long> border = Util_GetBorderThickness();
  ZQ_Point<long> size(widest + Cust_GetLeftMargin() + Cust_GetRightMargin() + 2 * border.X,
                      Util_GetLineHeight() * std::max(1L, Buffer->GetNumLines()) -
                          Cust_GetExtraLineSpacing() + Cust_GetTopMargin() +
                          Cust_GetBottomMargin() + 2 * border.Y);
  if (Options & 1) size.X += ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar).X;
  return size;
}

// --- Layout.

void ZQF_TextEditGlyph::Util_ComputeLayoutRectangles(Rect& View, Rect& Bar, Rect& Corner,
                                                     Rect& TextArea) {
  const Rect& box = GetBoundingBox();
  const ZQ_Point<long> border = Util_GetBorderThickness();
  View = Rect(border.X, border.Y, std::max(0L, box.Width - 2 * border.X),
              std::max(0L, box.Height - 2 * border.Y));
  const long left = Cust_GetLeftMargin(), right = Cust_GetRightMargin();
  const long top = Cust_GetTopMargin(), bottom = Cust_GetBottomMargin();
  const ZQ_Point<long> document(1 + left + right, Util_GetLineHeight() * Buffer->GetNumLines() -
                                                      Cust_GetExtraLineSpacing() + top + bottom);
  Rect client, horizontal;
  ZQF_DetermineScrollBarLayouts(View, document, ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar),
                                Cust_GetVerticalScrollBarPolicy(), 0, client, Bar, horizontal);
  Corner = Rect();
  if (!IsEmpty(Bar) && Bar.Y + Bar.Height < View.Y + View.Height) {
    Corner = Rect(Bar.X, Bar.Y + Bar.Height, Bar.Width, View.Y + View.Height - Bar.Y - Bar.Height);
  }
  TextArea = Rect(client.X + left, client.Y + top, std::max(0L, client.Width - left - right),
                  std::max(0L, client.Height - top - bottom));
}

ZQ_Rectangle<long> ZQF_TextEditGlyph::Util_GetTextArea() {
  Rect view, bar, corner, text;
  Util_ComputeLayoutRectangles(view, bar, corner, text);
  return text;
}

ZQF_VerticalScrollBarGlyph* ZQF_TextEditGlyph::Util_GetVerticalScrollBar() const {
  ZQF_Glyph* child = GetFirstChild();
  auto* bar = dynamic_cast<ZQF_VerticalScrollBarGlyph*>(child);
  ZQ_ASSERT_TEXT(bar, "dynamic_cast <ZQF_VerticalScrollBarGlyph*> (Child)");
  return bar;
}

void ZQF_TextEditGlyph::AcceptLayout() {
  RepaintQueued = false;  // the box may have moved
  const Rect text = Util_GetTextArea();
  const long lineHeight = Util_GetLineHeight();
  const long firstLine = lineHeight - Cust_GetExtraLineSpacing();
  NumVisibleLines = std::max(0L, text.Height - firstLine) / std::max(1L, lineHeight) + 1;
  TopLine = Util_ToTopLineRange(TopLine);
  Util_UpdateScrollBarStates();
}

void ZQF_TextEditGlyph::Util_UpdateScrollBarStates() {
  if (GetBoundingBox().X == UnsetPosition) return;
  Rect view, bar, corner, text;
  Util_ComputeLayoutRectangles(view, bar, corner, text);
  ZQF_VerticalScrollBarGlyph* scrollBar = Util_GetVerticalScrollBar();
  LayoutChild(scrollBar, IsEmpty(bar) ? Rect(0, 0, 0, 0) : bar);
  const long lines = Buffer->GetNumLines();
  const long page = std::min(NumVisibleLines, lines);
  // Unchanged states are not set again: each setting repaints the bar.
  if (scrollBar->GetDocumentSize() != lines || scrollBar->GetPageSize() != page ||
      scrollBar->GetSliderPosition() != TopLine) {
    scrollBar->SetState(lines, page, 1, TopLine, false);
  }
}

// --- Columns and x coordinates.

long ZQF_TextEditGlyph::Util_LineColumnToXCoordinate(long Line, long Column) {
  Line = Util_ToCaretLineRange(Line);
  const long start = Buffer->GetLineStart(Line);
  const long length = Buffer->GetLineLength(Line);
  long x = 0;
  const long end = start + std::min(Column, length);
  for (long offset = start; offset < end; ++offset) x += Util_GetCharacterWidth(offset);
  if (Column > length) x += (Column - length) * Util_GetSpaceWidth();
  return x;
}

long ZQF_TextEditGlyph::Util_LineXCoordinateToColumn(long Line, long X) {
  Line = Util_ToCaretLineRange(Line);
  const long start = Buffer->GetLineStart(Line);
  const long length = Buffer->GetLineLength(Line);
  long left = 0;
  long column = 0;
  for (;;) {
    if (column >= length && !GetCaretBeyondLineEnd()) break;
    const long width =
        column < length ? Util_GetCharacterWidth(start + column) : Util_GetSpaceWidth();
    if (width <= 0 && column >= length) break;
    if (left + width >= X) {
      // The nearer boundary; a tie goes to the left one.
      if (X - left > left + width - X) ++column;
      break;
    }
    left += width;
    ++column;
  }
  return GetCaretBeyondLineEnd() ? column : std::min(column, length);
}

ZQF_TextEditLineColumn ZQF_TextEditGlyph::Util_TextEditAreaXYToLineColumn(
    const ZQ_Point<long>& Point) {
  const long lineHeight = std::max(1L, Util_GetLineHeight());
  const long y = Point.Y >= 0 ? Point.Y / lineHeight : -1;
  const long line = std::max(0L, std::min(TopLine + y, Buffer->GetNumLines() - 1));
  return {line, Util_LineXCoordinateToColumn(line, Point.X + ScrollX)};
}

ZQF_TextEditGlyph::HitCheck ZQF_TextEditGlyph::Util_PerformHitCheck(const ZQ_Point<long>& Point) {
  const Rect text = Util_GetTextArea();
  const long left = text.X - Cust_GetLeftMargin();
  const long right = text.X + text.Width;
  const long top = text.Y;
  const long bottom = top + Util_GetFontHeight() + Util_GetLineHeight() * (NumVisibleLines - 1);
  HitCheck hit{0, 0, Point.X - text.X, Point.Y - top};
  AxisZone(Point.X, left, right, hit.ZoneX, hit.ValueX);
  AxisZone(Point.Y, top, bottom, hit.ZoneY, hit.ValueY);
  return hit;
}

// --- Ranges.

long ZQF_TextEditGlyph::Util_ToTopLineRange(long Line) const {
  return std::max(0L, std::min(Line, std::max(0L, Buffer->GetNumLines() - NumVisibleLines)));
}

long ZQF_TextEditGlyph::Util_ToAnchorPosRange(long Position) const {
  return std::max(0L, std::min(Position, Buffer->GetLength()));
}

long ZQF_TextEditGlyph::Util_ToCaretLineRange(long Line) const {
  return std::max(0L, std::min(Line, Buffer->GetNumLines() - 1));
}

long ZQF_TextEditGlyph::Util_ToCaretColumnRange(long Line, long Column) const {
  Column = std::max(0L, Column);
  if (GetCaretBeyondLineEnd()) return Column;
  return std::min(Column, Buffer->GetLineLength(Util_ToCaretLineRange(Line)));
}

// Graphics coordinates of Win32s and Windows 95/98/Me are 16-bit.
long ZQF_TextEditGlyph::Util_ToScrollXRange(long X) const {
  const long limit = ZQ_IsWin32sOrWin9xOperatingSystem() ? 20000 : 1000000000;
  return std::max(0L, std::min(X, limit));
}

// --- Scrolling.

void ZQF_TextEditGlyph::Imp_ScrollToShowCaret() {
  ResetCaretBlinkTimer();
  if (GetBoundingBox().Width <= 0) return;
  if (CaretLine < TopLine) TopLine = CaretLine;
  if (CaretLine > TopLine + NumVisibleLines - 1) TopLine = CaretLine - NumVisibleLines + 1;
  TopLine = Util_ToTopLineRange(TopLine);
  if (CaretX < ScrollX) {
    ScrollX = Util_ToScrollXRange(CaretX);
    return;
  }
  Rect view, bar, corner, text;
  Util_ComputeLayoutRectangles(view, bar, corner, text);
  const ZQ_Point<long> border = Util_GetBorderThickness();
  const long visible = GetBoundingBox().Width - Cust_GetLeftMargin() - Cust_GetRightMargin() -
                       2 * border.X - bar.Width;
  const long allowance = Util_GetCaretAllowance();
  if (ScrollX + visible - allowance < CaretX) {
    ScrollX = Util_ToScrollXRange(allowance + CaretX - visible);
  }
}

void ZQF_TextEditGlyph::Imp_ScrollHorizontally(long NumCharacters) {
  if (IsBoundingBoxEmpty()) return;
  ScrollX = Util_ToScrollXRange(ScrollX + NumCharacters * Util_GetFontMeasures(0).MaxCharWidth);
  Util_UpdateScrollBarStates();
}

void ZQF_TextEditGlyph::UtilImp_ScrollToEndOfVisibleLines() {
  const Rect text = Util_GetTextArea();
  const long last = std::min(Buffer->GetNumLines(), TopLine + NumVisibleLines);
  long widest = 0;
  for (long line = TopLine; line < last; ++line) {
    widest = std::max(widest, Util_LineColumnToXCoordinate(line, Buffer->GetLineLength(line)));
  }
  ScrollX = Util_ToScrollXRange(widest - text.Width);
  Util_UpdateScrollBarStates();
}

// --- The background-selected state.

void ZQF_TextEditGlyph::Util_EnterBackgroundSelectedState() {
  Mode |= Mode_BackgroundSelected;
  Util_QueueRepaint();
}

void ZQF_TextEditGlyph::Util_LeaveBackgroundSelectedState() {
  if (!(Mode & Mode_BackgroundSelected)) return;
  Mode &= ~Mode_BackgroundSelected;
  Util_QueueRepaint();
}

// --- Drawing.

unsigned long ZQF_TextEditGlyph::Util_GetFormatCode(long CharacterOffset) {
  if (CharacterOffset >= Buffer->GetLength() || Buffer->GetCharacters()[CharacterOffset] == '\n') {
    return kFormatLineEnd;
  }
  unsigned long code = GetCharacterAttribute(CharacterOffset);
  if (Buffer->GetCharacters()[CharacterOffset] == '\t') code |= kFormatTab;
  const long caret = Util_GetCaretPosition();
  if (CharacterOffset >= std::min(caret, AnchorPosition) &&
      CharacterOffset < std::max(caret, AnchorPosition)) {
    code |= kFormatSelected;
  }
  return code;
}

ZQR_Color ZQF_TextEditGlyph::Util_GetCurrentBackground() {
  if (IsDisabled()) return ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground);
  return Cust_GetBackgroundColor(0);
}

void ZQF_TextEditGlyph::Util_ApplyFormatCode(ZQF_Canvas& Canvas, unsigned long Code) {
  const unsigned short attribute = static_cast<unsigned short>(Code & 0xffff);
  Canvas.SetFont(Util_GetFontMeasures(attribute).Font);
  if (IsDisabled()) {
    Canvas.SetBackgroundColor(ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
    Canvas.SetTextColor(ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow));
  } else if (Canvas.IsOnFocusPath() &&
             (IsInBackgroundSelectedState() || (Code & kFormatSelected))) {
    Canvas.SetBackgroundColor(ZQF_GetColorMetric(ZQF_ColorMetric_SelectionBackground));
    Canvas.SetTextColor(ZQF_GetColorMetric(ZQF_ColorMetric_SelectionText));
  } else {
    Canvas.SetBackgroundColor(Cust_GetBackgroundColor(attribute));
    Canvas.SetTextColor(Cust_GetTextColor(attribute));
  }
}

void ZQF_TextEditGlyph::DrawLine(ZQF_Canvas& Canvas, long Line, const Rect& TextArea) {
  const long lineHeight = Util_GetLineHeight();
  const long y = TextArea.Y + (Line - TopLine) * lineHeight;
  const long start = Buffer->GetLineStart(Line);
  const long end = start + Buffer->GetLineLength(Line);
  const char* text = Buffer->GetCharacters();
  const long right = TextArea.X + TextArea.Width;
  long x = TextArea.X - ScrollX;
  long offset = start;
  while (offset < end && x < right) {
    const unsigned long code = Util_GetFormatCode(offset);
    long runEnd = offset;
    long width = 0;
    while (runEnd < end && Util_GetFormatCode(runEnd) == code) {
      width += Util_GetCharacterWidth(runEnd);
      ++runEnd;
      if (x + width >= right) break;
    }
    if (x + width > TextArea.X) {
      Util_ApplyFormatCode(Canvas, code);
      Canvas.Fill(Rect(x, y, width, lineHeight), Canvas.GetBackgroundColor());
      if (!(code & kFormatTab)) Canvas.Draw(text + offset, runEnd - offset, x, y);
    }
    x += width;
    offset = runEnd;
  }
  if (x < right) {
    // The rest of the line; a selected line end shows the selection colour.
    unsigned long code = 0;
    const long caret = Util_GetCaretPosition();
    if (end < Buffer->GetLength() && end >= std::min(caret, AnchorPosition) &&
        end < std::max(caret, AnchorPosition)) {
      code = kFormatSelected;
    }
    Util_ApplyFormatCode(Canvas, code);
    const long from = std::max(x, TextArea.X);
    Canvas.Fill(Rect(from, y, right - from, lineHeight), Canvas.GetBackgroundColor());
  }
}

void ZQF_TextEditGlyph::DrawMargins(ZQF_Canvas& Canvas, const Rect& View, const Rect& TextArea,
                                    bool Highlighted) {
  const ZQR_Color current = Canvas.GetBackgroundColor();
  if (!Highlighted || GetSelectionFillsMargins()) {
    FillOutside(Canvas, View, TextArea, current);
    return;
  }
  // The highlight reaches into the margins by size metric 0 only.
  const ZQ_Point<long> reach = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px);
  Rect ring(std::max(View.X, TextArea.X - reach.X), std::max(View.Y, TextArea.Y - reach.Y), 0, 0);
  ring.Width = std::min(View.X + View.Width, TextArea.X + TextArea.Width + reach.X) - ring.X;
  ring.Height = std::min(View.Y + View.Height, TextArea.Y + TextArea.Height + reach.Y) - ring.Y;
  FillOutside(Canvas, ring, TextArea, current);
  FillOutside(Canvas, View, ring, Cust_GetBackgroundColor(0));
}

void ZQF_TextEditGlyph::Util_QueueRepaint() {
  if (RepaintQueued) return;
  QueueVisualStateUpdate();
  RepaintQueued = GetParentWindow() != nullptr;
}

void ZQF_TextEditGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  RepaintQueued = false;
  Rect view, bar, corner, text;
  Util_ComputeLayoutRectangles(view, bar, corner, text);
  DrawControlBorder(Canvas, GetLocalBoundingBox());
  const bool highlighted = IsEnabled() && IsInBackgroundSelectedState() && Canvas.IsOnFocusPath();
  Canvas.SetDrawMode(1);
  // The text area, line by line, then what lies below the last line.
  Canvas.PushClippingRegion();
  if (Canvas.IntersectClippingRegion(text.X, text.Y, text.Width, text.Height, 1)) {
    Canvas.UseClippingRegion();
    const long lineHeight = Util_GetLineHeight();
    const long last = std::min(Buffer->GetNumLines(), TopLine + NumVisibleLines + 1);
    for (long line = TopLine; line < last; ++line) DrawLine(Canvas, line, text);
    Util_ApplyFormatCode(Canvas, 0);
    const long below = text.Y + (last - TopLine) * lineHeight;
    if (below < text.Y + text.Height) {
      Canvas.Fill(Rect(text.X, below, text.Width, text.Y + text.Height - below),
                  Canvas.GetBackgroundColor());
    }
  }
  Canvas.PopClippingRegion();
  Canvas.UseClippingRegion();
  Util_ApplyFormatCode(Canvas, 0);
  DrawMargins(Canvas, view, text, highlighted);
  if (!IsEmpty(corner)) Canvas.Fill(corner, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  // The caret, drawn by inverting.
  const Rect caret = Util_ComputeCaretRect();
  if (Canvas.IsOnFocusPath() && IsEnabled() && !IsEmpty(caret) && IsCaretVisible() &&
      !IsInBackgroundSelectedState() && !GetReadOnly()) {
    Canvas.Invert(caret);
  }
}

ZQ_Rectangle<long> ZQF_TextEditGlyph::Util_ComputeCaretRect() {
  const Rect text = Util_GetTextArea();
  long width = Util_GetCaretAllowance();
  if (GetOverwriteMode()) {
    const long line = Util_ToCaretLineRange(CaretLine);
    width = CaretColumn < Buffer->GetLineLength(line)
                ? Util_GetCharacterWidth(Buffer->GetLineStart(line) + CaretColumn)
                : Util_GetSpaceWidth();
  }
  Rect caret(CaretX + text.X - ScrollX, text.Y + (CaretLine - TopLine) * Util_GetLineHeight(),
             width, Util_GetFontHeight());
  caret = Rect::Intersection(caret, text);
  // Clipped to every ancestor's box too (boxes are window coordinates).
  const ZQ_Point<long> origin = GetBoundingBox().GetTopLeft();
  for (ZQF_Glyph* g = GetParent(); g; g = g->GetParent()) {
    Rect box = g->GetBoundingBox();
    if (box.X == UnsetPosition) break;
    box.X -= origin.X;
    box.Y -= origin.Y;
    caret = Rect::Intersection(caret, box);
  }
  return caret;
}
