#include "ZQPIC_DeviceContextCanvas.h"

#include <algorithm>
#include <cmath>

#include "ZQCG_Line.h"
#include "ZQCG_Polygon.h"
#include "ZQIMG_Gdiplus.h"
#include "ZQLOW_WINGDI_Utils.h"
#include "ZQPIC_GlyphOutline.h"
#include "ZQPIC_ScreenMillimetersPerPixel.h"
#include "ZQ_Assertion.h"
#include "ZQ_InitializationService.h"
#include "ZQ_OperatingSystem.h"
#include "ZQ_StackTrace.h"

namespace {

const double MillimetersPerInch = 25.4;
// The tallest cell outlines are read at: their fixed-point coordinates end at
// 32,768, so a larger font's are read through a matrix that makes them
// smaller.
const double kOutlineReadPx = 4096;

bool IsPrinterContext(HDC DC) { return ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(DC, TECHNOLOGY) == DT_RASPRINTER; }

// The device's own pixels per millimetre.
ZQ_Point<double> DevicePixelsPerMm(HDC DC) {
  auto caps = [DC](int Index) { return double(ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(DC, Index)); };
  if (IsPrinterContext(DC)) {
    return ZQ_Point<double>(caps(LOGPIXELSX) / MillimetersPerInch,
                            caps(LOGPIXELSY) / MillimetersPerInch);
  }
  return ZQ_Point<double>(caps(HORZRES) / caps(HORZSIZE), caps(VERTRES) / caps(VERTSIZE));
}

bool IsPositiveSize(const ZQ_Point<double>& Size) { return Size.X > 0 && Size.Y > 0; }

// The wide character the symbol code page maps Code to. Under Wine each call
// that takes a symbol font's text as bytes looks their lead bytes up in that
// code page, which has no table: half a millisecond a character for
// ExtTextOutA's advances, and more for a GetGlyphOutlineA, where the same
// characters as wide ones cost nothing extra.
WCHAR SymbolCharacter(unsigned char Code) { return static_cast<WCHAR>(Code < 0x20 ? Code : 0xF000 + Code); }

ZQ_Point<double> PixelsPerMm(HDC DC, const ZQ_Rectangle<long>& PixelRect,
                             const ZQ_Point<double>& SizeMm) {
  if (!IsPositiveSize(SizeMm)) return DevicePixelsPerMm(DC);
  return ZQ_Point<double>(PixelRect.Width / SizeMm.X, PixelRect.Height / SizeMm.Y);
}

ZQ_Rectangle<double> ToDouble(const ZQ_Rectangle<long>& R) {
  return ZQ_Rectangle<double>(R.X, R.Y, R.Width, R.Height);
}

// Where coordinates are 16-bit, GDI takes no more.
long CoordinateLimit() { return ZQ_IsWin32sOrWin9xOperatingSystem() ? 32767 : 1L << 27; }

ZQR_FontMetrics ToMillimeters(const ZQR_FontMetrics& Px, const ZQ_Point<double>& PerMm) {
  ZQR_FontMetrics mm = Px;
  mm.Ascent = Px.Ascent / PerMm.Y;
  mm.Descent = Px.Descent / PerMm.Y;
  mm.Height = mm.Ascent + mm.Descent;  // exactly, as in pixels
  mm.InternalLeading = Px.InternalLeading / PerMm.Y;
  mm.ExternalLeading = Px.ExternalLeading / PerMm.Y;
  mm.AverageCharWidth = Px.AverageCharWidth / PerMm.X;
  mm.MaxCharWidth = Px.MaxCharWidth / PerMm.X;
  mm.SpaceWidth = Px.SpaceWidth / PerMm.X;
  mm.WidestDigitWidth = Px.WidestDigitWidth / PerMm.X;
  mm.Overhang = Px.Overhang / PerMm.X;
  return mm;
}

DWORD EndcapPenStyle(long Code) {
  static const DWORD kStyles[] = {PS_ENDCAP_ROUND, PS_ENDCAP_SQUARE, PS_ENDCAP_FLAT};
  return kStyles[Code];
}

HPEN MakePen(COLORREF Color, long WidthPx, long Endcap) {
  const LOGBRUSH brush{BS_SOLID, Color, 0};
  if (WidthPx == 0) return ZQLOW_WINGDI::ExtCreatePen(PS_COSMETIC | PS_SOLID, 1, &brush, 0, nullptr);
  const DWORD style = PS_GEOMETRIC | PS_SOLID | PS_JOIN_ROUND | EndcapPenStyle(Endcap);
  return ZQLOW_WINGDI::ExtCreatePen(style, static_cast<DWORD>(WidthPx), &brush, 0, nullptr);
}

const ZQ_StageCallbackRegistration s_registration(
    &ZQPIC_DeviceContextCanvas_InitializationServiceCallback,
    ZQ_InitializationService::Position_DeviceContextCanvas);

}  // namespace

ZQPIC_DeviceContextCanvas::ZQPIC_DeviceContextCanvas(HDC DC, const ZQ_Rectangle<long>& PixelRect,
                                                     long DeviceKind,
                                                     const ZQ_Point<double>& SizeMM)
    : DC(DC),
      Mapping(ToDouble(PixelRect), PixelsPerMm(DC, PixelRect, SizeMM), CoordinateLimit()),
      SizeMm(IsPositiveSize(SizeMM) ? SizeMM
                                    : ZQ_Point<double>(PixelRect.Width / Mapping.GetPixelsPerMm().X,
                                                       PixelRect.Height / Mapping.GetPixelsPerMm().Y)),
      DeviceKind(DeviceKind),
      IsPrinter(IsPrinterContext(DC)),
      Fonts(new ZQPIC_FontCache) {}

ZQPIC_DeviceContextCanvas::ZQPIC_DeviceContextCanvas(const ZQPIC_DeviceContextCanvas& Target,
                                                     const ZQ_Rectangle<double>& RectMm)
    : DC(Target.DC),
      Mapping(Target.Mapping.GetSection(RectMm)),
      SizeMm(RectMm.Width, RectMm.Height),
      DeviceKind(Target.DeviceKind),
      IsPrinter(Target.IsPrinter),
      Fonts(Target.Fonts) {}

ZQPIC_DeviceContextCanvas::~ZQPIC_DeviceContextCanvas() {
  try {
    if (SavedState) ZQLOW_WINGDI::RestoreDC(DC, SavedState);
  } catch (...) {
    // Logged by the wrapper; a destructor cannot report it further.
  }
  if (!BackingImage.IsEmpty()) ZQLOW_WINGDI::GdiFlush();
}

void ZQPIC_DeviceContextCanvas::SetBackingImage(const ZQIMG_Image& Image) {
  ZQ_TRACE_FUNCTION("ZQPIC_DeviceContextCanvas::SetBackingImage");
  ZQ_ASSERT(BackingImage.IsEmpty());
  if (BackingImage.IsEmpty()) BackingImage = Image;
}

ZQ_Point<double> ZQPIC_DeviceContextCanvas::GetCanvasSizeInPixels() const {
  const ZQ_Rectangle<double>& pixels = Mapping.GetPixelRect();
  return ZQ_Point<double>(pixels.Width, pixels.Height);
}

ZQ_Rectangle<double> ZQPIC_DeviceContextCanvas::GetClipRectangle() const {
  RECT box;
  ZQLOW_WINGDI::GetClipBox(DC, &box);
  const ZQ_Point<double> topLeft = Mapping.ToMillimeters(box.left, box.top);
  const ZQ_Point<double> bottomRight = Mapping.ToMillimeters(box.right, box.bottom);
  const ZQ_Rectangle<double> clip(topLeft.X, bottomRight.Y, bottomRight.X - topLeft.X,
                                  topLeft.Y - bottomRight.Y);
  return ZQ_Rectangle<double>::Intersection(GetCanvasArea(), clip);
}

ZQ_Point<double> ZQPIC_DeviceContextCanvas::GetDevicePerImagePixelFactor() const {
  const ZQ_Point<double> screenMmPerPx = ZQPIC_GetScreenMillimetersPerPixel();
  const ZQ_Point<double>& perMm = Mapping.GetPixelsPerMm();
  const ZQ_Point<double> factor(perMm.X * screenMmPerPx.X, perMm.Y * screenMmPerPx.Y);
  // Before the size metrics exist there is no screen to compare with.
  const bool known = std::isfinite(factor.X) && std::isfinite(factor.Y) && IsPositiveSize(factor);
  return known ? factor : ZQ_Point<double>(1, 1);
}

ZQ_Point<double> ZQPIC_DeviceContextCanvas::GetTextSizeInMillimeters(const ZQ_String& Text) const {
  const ZQR_ConcreteFont& font = GetGraphicsState().ConcreteFont;
  // Under Wine selecting a font costs several times the measuring: once the
  // context is saved, the font stays selected for the next measurement or
  // drawing, as drawing leaves it.
  if (IsInitialized() && font.GetHFONT() && !(SelectedFont == font)) {
    ZQLOW_WINGDI::SelectObject(DC, font.GetHFONT());
    SelectedFont = font;
  }
  const ZQ_Point<long> px = font.GetSize(DC, Text);
  const ZQ_Point<double>& perMm = Mapping.GetPixelsPerMm();
  const double scale = GetGraphicsState().FontScale;
  return ZQ_Point<double>(px.X * scale / perMm.X, px.Y * scale / perMm.Y);
}

bool ZQPIC_DeviceContextCanvas::Imp_GetCapability(long Code) const {
  const int showsEveryRgbColor = 4;
  if (Code != showsEveryRgbColor) return false;
  return !(ZQLOW_WINGDI::GetDeviceCaps(DC, RASTERCAPS) & RC_PALETTE);
}

ZQR_Color ZQPIC_DeviceContextCanvas::GetClosestColor(const ZQR_Color& Color) const {
  return ZQR_Color(ZQLOW_WINGDI::GetNearestColor(DC, Color.GetCOLORREF()));
}

void ZQPIC_DeviceContextCanvas::Imp_Initialize() {
  SavedState = ZQLOW_WINGDI::SaveDC(DC);
  DCTextColor = DCBackgroundColor = CLR_INVALID;
  DCBackgroundMode = 0;
  const RECT area = Mapping.GetDeviceRect();
  ZQLOW_WINGDI::IntersectClipRect(DC, area.left, area.top, area.right, area.bottom);
  ZQLOW_WINGDI::SetTextAlign(DC, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  // Halftone stretching wants the brush origin set after the mode.
  ZQLOW_WINGDI::SetStretchBltMode(DC, HALFTONE);
  ZQLOW_WINGDI::SetBrushOrgEx(DC, 0, 0, nullptr);
}

void ZQPIC_DeviceContextCanvas::Imp_RealiseFont(ZQPIC_GraphicsState& State) {
  const ZQ_Point<double>& perMm = Mapping.GetPixelsPerMm();
  const ZQPIC_FontCache::Entry& entry =
      Fonts->Realise(State.Font, DC, perMm.Y * MillimetersPerInch);
  State.ConcreteFont = entry.Font;
  State.DrawingFont = entry.DrawingFont;
  State.FontScale = entry.Scale;
  // A stand-in font's pixels are Scale device pixels each.
  State.FontMetrics = ToMillimeters(entry.MetricsPx, ZQ_Point<double>(perMm.X / entry.Scale, perMm.Y / entry.Scale));
}

void ZQPIC_DeviceContextCanvas::Imp_DrawText(const ZQ_String& Text, const ZQ_Point<double>& TopLeft) {
  POINT at;
  const ZQPIC_GraphicsState& state = GetGraphicsState();
  if (!(state.FontScale > 0) || !Mapping.ToDevice(TopLeft, at)) return;  // a font of no height shows nothing
  if (IsDrawnFromOutlines()) {
    SelectFont(state.ConcreteFont);
    DrawTextOutlines(Text, TopLeft, GetVisibleClip());
    return;
  }
  const COLORREF textColor = state.TextColor.GetCOLORREF();
  if (textColor != DCTextColor) {
    ZQLOW_WINGDI::SetTextColor(DC, textColor);
    DCTextColor = textColor;
  }
  const bool opaque = state.BackgroundMode == 0;
  const int mode = opaque ? OPAQUE : TRANSPARENT;
  if (mode != DCBackgroundMode) {
    ZQLOW_WINGDI::SetBkMode(DC, mode);
    DCBackgroundMode = mode;
  }
  const COLORREF backgroundColor = state.BackgroundColor.GetCOLORREF();
  if (opaque && backgroundColor != DCBackgroundColor) {
    ZQLOW_WINGDI::SetBkColor(DC, backgroundColor);
    DCBackgroundColor = backgroundColor;
  }
  POINT end;
  const double spanMm = GetTextSpanMm();
  long spanPx = -1;
  if (spanMm > 0 && Mapping.ToDevice(ZQ_Point<double>(TopLeft.X + spanMm, TopLeft.Y), end)) spanPx = end.x - at.x;
  const bool spread = (spanPx >= 0 || state.FontScale != 1) && SpreadAdvances(Text, spanPx);
  SelectFont(state.DrawingFont);
  if (spread) {
    if (!IsSymbolFontSelected()) {
      ZQLOW_WINGDI::ExtTextOutA(DC, at.x, at.y, 0, nullptr, Text.GetText(), Text.GetLength(), Advances.data());
      return;
    }
    const unsigned char* codes = reinterpret_cast<const unsigned char*>(Text.GetText());
    WideText.resize(static_cast<size_t>(Text.GetLength()));
    for (size_t i = 0; i < WideText.size(); ++i) WideText[i] = SymbolCharacter(codes[i]);
    ZQLOW_WINGDI::ExtTextOutW(DC, at.x, at.y, 0, nullptr, WideText.data(), Text.GetLength(), Advances.data());
    return;
  }
  ZQLOW_WINGDI::TextOutA(DC, at.x, at.y, Text.GetText(), Text.GetLength());
}

// GDI rasterises every glyph whole, however little of it shows, at a cost
// that grows with its area (under Wine a glyph of a new size costs about a
// millisecond at a cell of 1,024 pixels, 12 ms at 4,500 and a second at
// 26,000), and the font engine realises no stand-in's size. So on a screen or
// an image text whose cell is taller than OrdinaryPx is drawn from its
// outlines; a printer's driver writes text as text at any size the font
// engine realises, so only a stand-in is drawn so there. The run and the
// device decide, never the part being repainted: text looks the same however
// it is repainted.
bool ZQPIC_DeviceContextCanvas::IsDrawnFromOutlines() const {
  const ZQPIC_GraphicsState& state = GetGraphicsState();
  if (state.FontScale > 1) return true;
  return !IsPrinter && state.FontMetrics.Height * Mapping.GetPixelsPerMm().Y > ZQPIC_DeviceClip::OrdinaryPx;
}

void ZQPIC_DeviceContextCanvas::SelectFont(const ZQR_ConcreteFont& Font) {
  if (!(SelectedFont == Font) || !IsInitialized()) {
    ZQLOW_WINGDI::SelectObject(DC, Font.GetHFONT());
    SelectedFont = Font;
  }
}

bool ZQPIC_DeviceContextCanvas::IsSymbolFontSelected() {
  if (!(CharacterSetFont == SelectedFont)) {
    SymbolFontSelected = ZQLOW_WINGDI::GetTextCharset(DC) == SYMBOL_CHARSET;
    CharacterSetFont = SelectedFont;
  }
  return SymbolFontSelected;
}

const INT* ZQPIC_DeviceContextCanvas::GetAdvanceTable() {
  const ZQR_ConcreteFont& font = GetGraphicsState().ConcreteFont;
  if (const INT* table = Fonts->GetAdvances(font, DC)) return table;
  // A font the cache dropped while a state still holds it: read here.
  const ZQ_Array<long> widths = font.GetWidthTable(DC);
  OwnAdvances.resize(256);
  for (long code = 0; code < 256; ++code) OwnAdvances[static_cast<size_t>(code)] = widths[code];
  return OwnAdvances.data();
}

void ZQPIC_DeviceContextCanvas::DrawTextOutlines(const ZQ_String& Text, const ZQ_Point<double>& TopLeft,
                                                 const ZQPIC_DeviceClip& Clip) {
  ZQ_Point<double> at;
  if (Clip.IsEmpty() || !Mapping.ToDevicePixels(TopLeft, at)) return;
  const ZQPIC_GraphicsState& state = GetGraphicsState();
  const ZQ_Point<double>& perMm = Mapping.GetPixelsPerMm();
  const INT* table = GetAdvanceTable();
  const unsigned char* codes = reinterpret_cast<const unsigned char*>(Text.GetText());
  const int length = Text.GetLength();
  double naturalPx = 0;
  for (int i = 0; i < length; ++i) naturalPx += table[codes[i]] * state.FontScale;
  const double spanPx = GetTextSpanMm() * perMm.X;
  const double stretch = spanPx > 0 && naturalPx > 0 ? spanPx / naturalPx : 1;
  // Along the baseline and down the glyphs: text at an angle turns both.
  const double angle = state.Font.GetAngle() * std::acos(-1.0) / 180;
  const ZQ_Point<double> along(std::cos(angle), -std::sin(angle)), down(std::sin(angle), std::cos(angle));
  const auto step = [](const ZQ_Point<double>& From, const ZQ_Point<double>& Direction, double Length) {
    return ZQ_Point<double>(From.X + Direction.X * Length, From.Y + Direction.Y * Length);
  };
  const double widthPx = naturalPx * stretch, heightPx = state.FontMetrics.Height * perMm.Y;
  if (state.BackgroundMode == 0) {
    Cut.assign({at, step(at, along, widthPx), step(step(at, along, widthPx), down, heightPx), step(at, down, heightPx)});
    Clip.CutPolygon(Cut);
    CutCounts.assign(1, static_cast<int>(Cut.size()));
    if (Cut.size() >= 3) FillPolygons(Cut, CutCounts, state.BackgroundColor.GetCOLORREF());
  }
  double reduction = 1;
  while (heightPx / state.FontScale / reduction > kOutlineReadPx && reduction < 1024) reduction *= 2;
  const long fixedScale = std::lround(65536 / reduction);
  const FIXED diagonal{static_cast<WORD>(fixedScale & 0xFFFF), static_cast<short>(fixedScale >> 16)};
  const MAT2 matrix{diagonal, FIXED{0, 0}, FIXED{0, 0}, diagonal};
  const double unitPx = reduction * state.FontScale;
  const ZQ_Point<double> baseline = step(at, down, state.FontMetrics.Ascent * perMm.Y);
  const UINT format = GGO_NATIVE | GGO_UNHINTED;
  const bool symbol = IsSymbolFontSelected();
  Cut.clear();
  CutCounts.clear();
  double advancedPx = 0;
  for (int i = 0; i < length; ++i) {
    const ZQ_Point<double> origin = step(baseline, along, advancedPx * stretch);
    const double advancePx = table[codes[i]] * state.FontScale;
    advancedPx += advancePx;
    // No glyph's ink reaches a cell's height beyond its advance cell, which
    // lies within its advance and a cell's height of the origin at any
    // angle: a glyph that far from what shows costs no GDI call, so a run
    // costs what shows of it.
    const double reachPx = advancePx * stretch + 2 * heightPx;
    if (!Clip.Meets(ZQ_Point<double>(origin.X - reachPx, origin.Y - reachPx),
                    ZQ_Point<double>(origin.X + reachPx, origin.Y + reachPx)))
      continue;
    GLYPHMETRICS metrics;
    const auto readOutline = [&](DWORD Size, void* Buffer) {
      return symbol ? ZQLOW_WINGDI::GetGlyphOutlineW(DC, SymbolCharacter(codes[i]), format, &metrics, Size, Buffer, &matrix)
                    : ZQLOW_WINGDI::GetGlyphOutlineA(DC, codes[i], format, &metrics, Size, Buffer, &matrix);
    };
    const DWORD size = readOutline(0, nullptr);
    if (size == GDI_ERROR || size == 0) continue;  // a blank, or no outline to draw
    // The glyph's black box (turned with the text), a unit around it.
    const ZQ_Point<double> corner(origin.X + (metrics.gmptGlyphOrigin.x - 1) * unitPx,
                                  origin.Y - (metrics.gmptGlyphOrigin.y + 1) * unitPx);
    const ZQ_Point<double> farCorner(corner.X + (metrics.gmBlackBoxX + 2.0) * unitPx,
                                     corner.Y + (metrics.gmBlackBoxY + 2.0) * unitPx);
    if (!Clip.Meets(corner, farCorner)) continue;
    OutlineBuffer.resize(size);
    if (readOutline(size, OutlineBuffer.data()) == GDI_ERROR) continue;
    ZQPIC_AppendGlyphOutline(OutlineBuffer.data(), size, origin, unitPx, Clip, Cut, CutCounts);
  }
  FillPolygons(Cut, CutCounts, state.TextColor.GetCOLORREF(), true);
}

bool ZQPIC_DeviceContextCanvas::SpreadAdvances(const ZQ_String& Text, long SpanPx) {
  const INT* table = GetAdvanceTable();
  const unsigned char* codes = reinterpret_cast<const unsigned char*>(Text.GetText());
  const int length = Text.GetLength();
  Advances.resize(static_cast<size_t>(length));
  long long naturalPx = 0;
  for (int i = 0; i < length; ++i) naturalPx += table[codes[i]];
  if (naturalPx <= 0) return false;
  // A printer's driver places the glyphs by the advances it measures: text
  // that keeps its measured width is drawn as it is, which keeps the job
  // small (a position for every glyph would double it). A font too small to
  // measure is drawn at its own size where its stand-in places the glyphs,
  // also where no span is asked for.
  const double scale = GetGraphicsState().FontScale;
  if (scale == 1 && (SpanPx < 0 || (IsPrinter && naturalPx == SpanPx))) return false;
  if (SpanPx < 0) SpanPx = std::lround(naturalPx * scale);
  // Each character ends where its own advances, scaled to the span, put
  // it: the rounding never adds up along the text.
  long long sumPx = 0, placedPx = 0;
  for (int i = 0; i < length; ++i) {
    sumPx += table[codes[i]];
    const long long endPx = (sumPx * SpanPx * 2 + naturalPx) / (2 * naturalPx);
    Advances[static_cast<size_t>(i)] = static_cast<INT>(endPx - placedPx);
    placedPx = endPx;
  }
  return true;
}

void ZQPIC_DeviceContextCanvas::Imp_DrawImage(const ZQIMG_Image& Image,
                                              const ZQ_Point<double>& TopLeft,
                                              const ZQ_Point<long>& SizePx) {
  ZQ_Point<double> at;
  if (!Mapping.ToDevicePixels(TopLeft, at)) return;
  const ZQPIC_DeviceClip clip = GetVisibleClip();
  if (clip.IsEmpty()) return;
  double part[4] = {at.X, at.Y, double(SizePx.X), double(SizePx.Y)};
  RECT source;
  if (!clip.CutImage(part, Image.GetSize(), source)) return;
  if (source.right - source.left == Image.GetWidth() && source.bottom - source.top == Image.GetHeight()) {
    const POINT corner = Mapping.ToDevicePoint(at);
    Image.Draw(DC, corner.x, corner.y, SizePx.X, SizePx.Y);
    return;
  }
  const POINT corner = Mapping.ToDevicePoint(ZQ_Point<double>(part[0], part[1]));
  const POINT end = Mapping.ToDevicePoint(ZQ_Point<double>(part[0] + part[2], part[1] + part[3]));
  Image.Draw(DC, corner.x, corner.y, std::max(1L, end.x - corner.x), std::max(1L, end.y - corner.y), source);
}

void ZQPIC_DeviceContextCanvas::Imp_DrawPolyline(const ZQCG_Line& Line) {
  MapPoints(Line.GetPoints(), Line.GetNumPoints());
  if (Mapped.size() < 2) return;
  const ZQPIC_DeviceClip clip = GetVisibleClip();
  if (clip.IsEmpty()) return;
  const long widthPx = GetPenWidthPx();
  Cut.clear();
  CutCounts.clear();
  // Cut beyond the reach of a square cap (half the width times the square
  // root of 2), so that neither a cut end's cap nor a join beyond it shows.
  clip.CutPolyline(Mapped, 0.75 * widthPx + 1, Cut, CutCounts);
  if (clip.IsFarLarger(widthPx)) {
    ZQPIC_DeviceClip::Points pieces;
    std::vector<int> counts;
    size_t at = 0;
    for (const int count : CutCounts) {
      if (clip.StrokePieces(&Cut[at], count, widthPx, GetGraphicsState().LineEndcapStyle, pieces, counts)) break;
      at += static_cast<size_t>(count);
    }
    FillPolygons(pieces, counts, GetGraphicsState().DrawingColor.GetCOLORREF());
    return;
  }
  if (CutCounts.empty()) return;
  SelectPen();
  size_t at = 0;
  for (const int count : CutCounts) {
    RoundPoints(&Cut[at], count);
    ZQLOW_WINGDI::Polyline(DC, PointBuffer.data(), count);
    at += static_cast<size_t>(count);
  }
}

void ZQPIC_DeviceContextCanvas::Imp_FillPolygon(const ZQCG_Polygon& Polygon,
                                                const ZQR_Color& Color) {
  std::vector<ZQ_Point<double>> corners;
  for (long i = 0; i < Polygon.GetNumPoints(); ++i) corners.push_back(Polygon.GetPoint(i));
  MapPoints(corners.data(), Polygon.GetNumPoints());
  if (Mapped.size() < 3) return;
  const ZQPIC_DeviceClip clip = GetVisibleClip();
  if (clip.IsEmpty()) return;
  clip.CutPolygon(Mapped);
  if (Mapped.size() < 3) return;
  CutCounts.assign(1, static_cast<int>(Mapped.size()));
  FillPolygons(Mapped, CutCounts, Color.GetCOLORREF());
}

void ZQPIC_DeviceContextCanvas::FillPolygons(const ZQPIC_DeviceClip::Points& Points, const std::vector<int>& Counts,
                                             COLORREF Color, bool AsOneShape) {
  if (Counts.empty()) return;
  const ZQ_Owned<HBRUSH, &ZQLOW_WINGDI::DeleteObject> brush(ZQLOW_WINGDI::CreateSolidBrush(Color));
  const HGDIOBJ previousBrush = ZQLOW_WINGDI::SelectObject(DC, brush.Get());
  ZQLOW_WINGDI::SelectObject(DC, ZQLOW_WINGDI::GetStockObject(NULL_PEN));
  try {
    if (AsOneShape) {
      RoundPoints(Points.data(), static_cast<int>(Points.size()));
      const int previousMode = ZQLOW_WINGDI::SetPolyFillMode(DC, WINDING);
      ZQLOW_WINGDI::PolyPolygon(DC, PointBuffer.data(), Counts.data(), static_cast<int>(Counts.size()));
      ZQLOW_WINGDI::SetPolyFillMode(DC, previousMode);
    } else {
      size_t at = 0;
      for (const int count : Counts) {
        RoundPoints(&Points[at], count);
        ZQLOW_WINGDI::Polygon(DC, PointBuffer.data(), count);
        at += static_cast<size_t>(count);
      }
    }
  } catch (...) {
    ZQLOW_WINGDI::SelectObject(DC, previousBrush);
    throw;
  }
  ZQLOW_WINGDI::SelectObject(DC, previousBrush);
}

ZQPIC_DeviceClip ZQPIC_DeviceContextCanvas::GetVisibleClip() const {
  RECT box{0, 0, 0, 0};
  ZQLOW_WINGDI::GetClipBox(DC, &box);
  const RECT area = Mapping.GetDeviceRect();
  return ZQPIC_DeviceClip(RECT{std::max(box.left, area.left), std::max(box.top, area.top),
                               std::min(box.right, area.right), std::min(box.bottom, area.bottom)});
}

ZQ_Point<long> ZQPIC_DeviceContextCanvas::Imp_GetDeviceSize(double WidthMm, double HeightMm) const {
  const ZQ_Point<double>& perMm = Mapping.GetPixelsPerMm();
  const double width = WidthMm * perMm.X, height = HeightMm * perMm.Y;
  if (!std::isfinite(width) || !std::isfinite(height)) return ZQ_Point<long>(0, 0);
  return ZQ_Point<long>(std::max(1L, Mapping.ToDeviceLength(width)),
                        std::max(1L, Mapping.ToDeviceLength(height)));
}

long ZQPIC_DeviceContextCanvas::GetPenWidthPx() const {
  const double widthMm = GetGraphicsState().LineWidthMm;
  const ZQ_Point<double>& perMm = Mapping.GetPixelsPerMm();
  // A pen has one width: the mean of the two resolutions.
  return widthMm > 0 ? std::max(1L, Mapping.ToDeviceLength(widthMm * (perMm.X + perMm.Y) * 0.5)) : 0;
}

void ZQPIC_DeviceContextCanvas::SelectPen() {
  const PenKey key{GetGraphicsState().DrawingColor.GetCOLORREF(), GetPenWidthPx(),
                   GetGraphicsState().LineEndcapStyle};
  if (Pen.Get() && !(key != CurrentPenKey)) {
    ZQLOW_WINGDI::SelectObject(DC, Pen.Get());
    return;
  }
  OwnedPen pen(MakePen(key.Color, key.WidthPx, key.Endcap));
  ZQLOW_WINGDI::SelectObject(DC, pen.Get());
  Pen = static_cast<OwnedPen&&>(pen);  // the old pen, no longer selected, goes
  CurrentPenKey = key;
}

void ZQPIC_DeviceContextCanvas::MapPoints(const ZQ_Point<double>* Points, long Count) {
  Mapped.clear();
  ZQ_Point<double> device;
  for (long i = 0; i < Count; ++i) {
    if (Mapping.ToDevicePixels(Points[i], device)) Mapped.push_back(device);
  }
}

void ZQPIC_DeviceContextCanvas::RoundPoints(const ZQ_Point<double>* Points, int Count) {
  PointBuffer.resize(static_cast<size_t>(Count));
  for (int i = 0; i < Count; ++i) PointBuffer[static_cast<size_t>(i)] = Mapping.ToDevicePoint(Points[i]);
}

void ZQPIC_DeviceContextCanvas_InitializationServiceCallback(int Stage) {
  if (Stage == ZQ_InitializationService::Stage_InitializeDefinition) ZQIMG_StartGdiplus();
  if (Stage == ZQ_InitializationService::Stage_DeinitializeDefinition) ZQIMG_StopGdiplus();
}
