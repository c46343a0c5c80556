#include "ZQF_StringListGlyphElement.h"

#include <algorithm>

#include "ZQF_Canvas.h"
#include "ZQF_ListGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQ_Array.h"
#include "ZQ_Hasher.h"

namespace {

// The advance widths and the "M" height of the font last measured. A node
// of thousands of rows is measured when it opens; one text call each would
// cost milliseconds per hundred rows, a table lookup costs nothing.
struct ListTextMeasure {
  HFONT Font = nullptr;
  ZQ_Array<long> Widths;
  long Height = 0;
};

ListTextMeasure& CurrentMeasure() {
  static ListTextMeasure s_measure;
  const ZQR_ConcreteFont& font = ZQF_GetFontMetric(ZQF_FontMetric_Field);
  if (s_measure.Font != font.GetHFONT()) {
    const ZQR_DeviceContext dc = ZQF_GetMetricDC();
    s_measure.Widths = font.GetWidthTable(dc.GetHDC());
    s_measure.Height = font.GetSize(dc.GetHDC(), ZQ_String("M")).Y;
    s_measure.Font = font.GetHFONT();
  }
  return s_measure;
}

ZQ_Point<long> TextCorner(ZQF_ListGlyph* List, const ZQ_Rectangle<long>& Text) {
  return List->GlyphToScreen(ZQ_Point<long>(Text.X, Text.Y));
}

// Text, font, delay and identity of the tooltip of a row that cuts its text.
void OfferTooltip(ZQF_TooltipsMessage& Message, const ZQ_String& Text, const ZQ_Point<long>& Corner) {
  Message.SetText(Text);
  Message.SetFont(ZQF_GetFontMetric(ZQF_FontMetric_Field));
  Message.SetDisplayDelay(ZQF_GetTimeMetric(ZQF_TimeMetric_LabelTooltipDelay));
  Message.SetTextPosition(Corner);
  Message.SetIdentity(
      ZQ_UID(static_cast<unsigned long>(Corner.X), static_cast<unsigned long>(Corner.Y), 0, 0));
  Message.SetHandled();
}

ZQ_UID HashOfText(const ZQ_String& Text) {
  ZQ_Hasher hasher;
  hasher << Text;
  return hasher.GetHash();
}

// The string row's text box: one pixel in at top and bottom, two at the left.
ZQ_Rectangle<long> StringTextRectangle(const ZQ_Rectangle<long>& Row) {
  const long vertical = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px).Y, left = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y;
  return ZQ_Rectangle<long>(Row.X + left, Row.Y + vertical, std::max(Row.Width - left, 0L),
                            std::max(Row.Height - 2 * vertical, 0L));
}

}  // namespace

ZQ_Point<long> ZQF_MeasureListText(const ZQ_String& Text) {
  const ListTextMeasure& measure = CurrentMeasure();
  long width = 0;
  const unsigned char* c = reinterpret_cast<const unsigned char*>(Text.GetText());
  for (int i = 0; i < Text.GetLength(); ++i) width += measure.Widths[c[i]];
  return ZQ_Point<long>(width, measure.Height);
}

// --- One text.

void ZQF_StringListGlyphElement::DrawSelf(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Rectangle,
                                          const ZQF_ListGlyphElementDrawState& State) {
  SetStandardColors(Canvas, State);
  Canvas.Fill(Rectangle, Canvas.GetBackgroundColor());
  if (State.FocusState == 0 && ShowsFocusIndicator()) Canvas.DrawFocusIndicator(Rectangle);
  Canvas.SetFont(ZQF_GetFontMetric(ZQF_FontMetric_Field));
  Canvas.Draw(GetText(), StringTextRectangle(Rectangle), 0, 0);
}

long ZQF_StringListGlyphElement::GetWidth() { return ZQF_MeasureListText(GetText()).X; }

long ZQF_StringListGlyphElement::GetHeight() {
  return CurrentMeasure().Height + 2 * ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px).Y;
}

void ZQF_StringListGlyphElement::HandleTooltipsMessage(ZQF_TooltipsMessage& Message,
                                                       const ZQ_Point<long>&,
                                                       const ZQ_Rectangle<long>& ElementRectangle,
                                                       ZQF_ListGlyph* List) {
  const ZQ_Rectangle<long> text = StringTextRectangle(ElementRectangle);
  const ZQ_String content = GetText();
  if (text.X >= 0 && ZQF_MeasureListText(content).X <= text.Width) return;
  OfferTooltip(Message, content, TextCorner(List, text));
}

ZQ_UID ZQF_StringListGlyphElement::GetHash() { return HashOfText(GetText()); }

// --- A bitmap and a text.

long ZQF_BitmapAndStringListGlyphElement::GetBitmapLeftMargin() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X; }
long ZQF_BitmapAndStringListGlyphElement::GetBitmapTextGap() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X; }
long ZQF_BitmapAndStringListGlyphElement::GetVerticalMargin() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y; }
ZQ_Point<long> ZQF_BitmapAndStringListGlyphElement::GetBitmapSize() {
  return GetBitmap(nullptr).GetSize();
}

void ZQF_BitmapAndStringListGlyphElement::Cust_DrawBitmap(const ZQR_Bitmap& Bitmap,
                                                          ZQF_Canvas& Canvas, long X, long Y) {
  Canvas.Draw(Bitmap, ZQ_Point<long>(X, Y), Bitmap.GetSize());
}

void ZQF_BitmapAndStringListGlyphElement::DrawSelf(ZQF_Canvas& Canvas,
                                                   const ZQ_Rectangle<long>& Rectangle,
                                                   const ZQF_ListGlyphElementDrawState& State) {
  SetStandardColors(Canvas, State);
  const long left = GetBitmapLeftMargin(), gap = GetBitmapTextGap(), margin = GetVerticalMargin();
  const ZQ_Point<long> bitmapSize = GetBitmapSize();
  ZQ_Rectangle<long> r = Rectangle;
  r.DeflateY(margin / 2);
  Cust_DrawBitmap(GetBitmap(&State), Canvas, r.X + left,
                  r.Y + std::max((r.Height - bitmapSize.Y) / 2, 0L));
  // The highlight starts half a gap after the bitmap, which stands on the
  // list's background.
  const long shift = left + bitmapSize.X + gap / 2;
  r.X += shift;
  r.Width = std::max(r.Width - shift, 0L);
  Canvas.Fill(r, Canvas.GetBackgroundColor());
  if (State.FocusState == 0 && ShowsFocusIndicator()) Canvas.DrawFocusIndicator(r);
  r.X += gap - gap / 2;
  r.Width = std::max(r.Width - (gap - gap / 2), 0L);
  Canvas.SetFont(ZQF_GetFontMetric(ZQF_FontMetric_Field));
  Canvas.Draw(GetText(), r, 0, 1);
}

long ZQF_BitmapAndStringListGlyphElement::GetWidth() {
  return GetBitmapLeftMargin() + GetBitmapSize().X + GetBitmapTextGap() +
         ZQF_MeasureListText(GetText()).X;
}

long ZQF_BitmapAndStringListGlyphElement::GetHeight() {
  return std::max(CurrentMeasure().Height + ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y, GetBitmapSize().Y) +
         GetVerticalMargin();
}

ZQ_Rectangle<long> ZQF_BitmapAndStringListGlyphElement::GetTextRectangle(
    const ZQ_Rectangle<long>& Row) {
  ZQ_Rectangle<long> r = Row;
  r.DeflateY(GetVerticalMargin() / 2);
  const long shift = GetBitmapLeftMargin() + GetBitmapSize().X + GetBitmapTextGap();
  r.X += shift;
  r.Width = std::max(r.Width - shift, 0L);
  const long textHeight = CurrentMeasure().Height;
  r.Y += std::max((r.Height - textHeight) / 2, 0L);
  r.Height = textHeight;
  return r;
}

void ZQF_BitmapAndStringListGlyphElement::HandleTooltipsMessage(
    ZQF_TooltipsMessage& Message, const ZQ_Point<long>& Point,
    const ZQ_Rectangle<long>& ElementRectangle, ZQF_ListGlyph* List) {
  const ZQ_Rectangle<long> text = GetTextRectangle(ElementRectangle);
  if (!text.Contains(Point)) return;
  const ZQ_String content = GetText();
  if (text.X >= 0 && ZQF_MeasureListText(content).X <= text.Width) return;
  OfferTooltip(Message, content, TextCorner(List, text));
}

ZQ_UID ZQF_BitmapAndStringListGlyphElement::GetHash() { return HashOfText(GetText()); }
