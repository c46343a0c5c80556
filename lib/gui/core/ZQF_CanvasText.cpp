// The canvas's text: plain and aligned text, labels with mnemonic markers,
// greyed text, word-wrapped text and its measure; and its pictures.
#include <algorithm>
#include <string>

#include "ZQF_Canvas.h"
#include "ZQF_CanvasImp.h"
#include "ZQF_Metrics.h"
#include "ZQIMG_Image.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_WINUSER.h"
#include "ZQR_Bitmap.h"
#include "ZQR_TransparentBitmap.h"

namespace {

const UINT kLineBreakFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

ZQ_Point<long> TextExtent(HDC DC, const ZQ_String& Text) {
  SIZE size{};
  ZQLOW_WINGDI::GetTextExtentPoint32A(DC, Text.GetText(), Text.GetLength(), &size);
  return ZQ_Point<long>(size.cx, size.cy);
}

// The offset that places an extent in a span: 0 start, 1 centre, 2 end.
long AlignedOffset(int Code, long Span, long Extent) {
  if (Code == 1) return std::max(0L, (Span - Extent) / 2);
  if (Code == 2) return std::max(0L, Span - Extent);
  return 0;
}

// The text as it reads without its mnemonic markers: each "&" is dropped
// and the character after it kept ("&&" gives "&"); a last lone "&" goes.
std::string WithoutMarkers(const char* Text) {
  std::string plain;
  for (const char* c = Text; *c; ++c) {
    if (*c == '&') {
      if (!*++c) break;
    }
    plain += *c;
  }
  return plain;
}

// Draws with the disabled text colour, then restores the text colour and
// the draw mode.
template <class Drawing>
void DrawGreyed(ZQF_Canvas& Canvas, Drawing Draw) {
  const ZQR_Color text = Canvas.GetTextColor();
  const long mode = Canvas.GetDrawMode();
  Canvas.SetTextColor(Canvas.GetDisabledTextColor());
  try {
    Draw();
  } catch (...) {
    Canvas.SetTextColor(text);
    Canvas.SetDrawMode(mode);
    throw;
  }
  Canvas.SetTextColor(text);
  Canvas.SetDrawMode(mode);
}

}  // namespace

void ZQF_Canvas::Draw(const char* Text, long Length, long X, long Y) {
  const ZQ_Point<long> p = Imp->ToDevice(ZQ_Point<long>(X, Y));
  if (!ZQF_CanvasImp::WithinLimit(p.X) || !ZQF_CanvasImp::WithinLimit(p.Y)) return;
  ZQLOW_WINGDI::TextOutA(Imp->DeviceContext, p.X, p.Y, Text, Length);
}

void ZQF_Canvas::Draw(const ZQ_String& Text, const ZQ_Rectangle<long>& Rectangle,
                      int HorizontalCode, int VerticalCode) {
  const ZQ_Point<long> extent = TextExtent(Imp->DeviceContext, Text);
  const RECT clip = Imp->ToDeviceRect(Rectangle);
  const long x = clip.left + AlignedOffset(HorizontalCode, Rectangle.Width, extent.X);
  const long y = clip.top + AlignedOffset(VerticalCode, Rectangle.Height, extent.Y);
  ZQLOW_WINGDI::ExtTextOutA(Imp->DeviceContext, x, y, ETO_CLIPPED, &clip, Text.GetText(),
                            Text.GetLength(), nullptr);
}

void ZQF_Canvas::DrawDisabled(const ZQ_String& Text, const ZQ_Rectangle<long>& Rectangle,
                              int HorizontalCode, int VerticalCode) {
  DrawGreyed(*this, [&] { Draw(Text, Rectangle, HorizontalCode, VerticalCode); });
}

void ZQF_Canvas::DrawLabel(const ZQ_String& Text, const ZQ_Point<long>& Point) {
  DrawLabel(Text, ZQ_Rectangle<long>(Point.X, Point.Y, 30000, 30000), 0, 0, true);
}

void ZQF_Canvas::DrawLabelDisabled(const ZQ_String& Text, const ZQ_Point<long>& Point) {
  DrawLabelDisabled(Text, ZQ_Rectangle<long>(Point.X, Point.Y, 30000, 30000), 0, 0, true);
}

void ZQF_Canvas::DrawLabel(const ZQ_String& Text, const ZQ_Rectangle<long>& Rectangle,
                           int HorizontalCode, int VerticalCode, bool UnderlineMnemonics) {
  // Measured with its markers, as the label's desired size is.
  const ZQ_Point<long> extent = TextExtent(Imp->DeviceContext, Text);
  ZQ_Rectangle<long> placed(0, 0, extent.X, extent.Y);
  placed.AlignWithin(Rectangle, HorizontalCode, VerticalCode, ZQ_Rectangle<long>::Fit_ShrinkToBound);
  RECT r = Imp->ToDeviceRect(ZQ_Rectangle<long>(placed.X, placed.Y, extent.X, extent.Y));
  UINT format = DT_SINGLELINE;
  std::string drawn(Text.GetText());
  if (!UnderlineMnemonics) {
    format |= DT_NOPREFIX;
  } else if ((Imp->KeyboardCues & 2) == 0 && drawn.find('&') != std::string::npos) {
    format |= DT_NOPREFIX;
    drawn = WithoutMarkers(Text.GetText());
  }
  ZQLOW_WINUSER::DrawTextA(Imp->DeviceContext, drawn.c_str(), static_cast<int>(drawn.size()), &r,
                           format);
}

void ZQF_Canvas::DrawLabelDisabled(const ZQ_String& Text, const ZQ_Rectangle<long>& Rectangle,
                                   int HorizontalCode, int VerticalCode, bool UnderlineMnemonics) {
  DrawGreyed(*this, [&] {
    DrawLabel(Text, Rectangle, HorizontalCode, VerticalCode, UnderlineMnemonics);
  });
}

ZQ_Point<long> ZQF_Canvas::ComputeSizeWithLineBreaks(const ZQ_String& Text,
                                                     const ZQR_ConcreteFont& Font, long MaxWidth) {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  const ZQ_SelectedObject selected(dc, Font.GetHFONT());
  const bool isEmpty = Text.GetLength() == 0;
  // An empty text is as high as one line and one pixel wide.
  const char* measured = isEmpty ? "X" : Text.GetText();
  RECT r{0, 0, MaxWidth, 1};
  ZQLOW_WINUSER::DrawTextA(dc, measured, -1, &r, DT_CALCRECT | kLineBreakFormat);
  return ZQ_Point<long>(isEmpty ? 1 : r.right, r.bottom);
}

void ZQF_Canvas::DrawWithLineBreaks(const ZQ_String& Text, const ZQ_Rectangle<long>& Rectangle,
                                    int HorizontalCode, int VerticalCode) {
  ZQ_Rectangle<long> r = Rectangle;
  if (VerticalCode != 0) {
    // Measured at the width it is drawn in: measured wider, wrapped text
    // would seem lower than it is, sit too low and lose its last lines.
    const long height = ComputeSizeWithLineBreaks(Text, Imp->Font, r.Width).Y;
    const long spare = std::max(0L, r.Height - height);
    r.Y += VerticalCode == 1 ? spare / 2 : spare;
  }
  static const UINT s_alignments[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  const UINT alignment = (0 <= HorizontalCode && HorizontalCode <= 2) ? s_alignments[HorizontalCode]
                                                                      : DT_LEFT;
  RECT device = Imp->ToDeviceRect(r);
  ZQLOW_WINUSER::DrawTextA(Imp->DeviceContext, Text.GetText(), Text.GetLength(), &device,
                           alignment | kLineBreakFormat);
}

namespace {

bool PictureWithinLimit(const ZQ_Point<long>& Location, const ZQ_Point<long>& Size) {
  return ZQF_CanvasImp::WithinLimit(Location.X) && ZQF_CanvasImp::WithinLimit(Location.Y) &&
         ZQF_CanvasImp::WithinLimit(Size.X) && ZQF_CanvasImp::WithinLimit(Size.Y);
}

}  // namespace

void ZQF_Canvas::Draw(const ZQR_Bitmap& Bitmap, const ZQ_Point<long>& Location,
                      const ZQ_Point<long>& Size) {
  const ZQ_Point<long> p = Imp->ToDevice(Location);
  if (!PictureWithinLimit(p, Size)) return;
  Bitmap.Draw(Imp->DeviceContext, p.X, p.Y, Size.X, Size.Y, SRCCOPY);
}

void ZQF_Canvas::Draw(const ZQR_TransparentBitmap& Bitmap, const ZQ_Point<long>& Location,
                      const ZQ_Point<long>& Size) {
  const ZQ_Point<long> p = Imp->ToDevice(Location);
  if (!PictureWithinLimit(p, Size)) return;
  Bitmap.Draw(Imp->DeviceContext, p.X, p.Y, Size.X, Size.Y);
}

void ZQF_Canvas::Draw(const ZQIMG_Image& Image, const ZQ_Point<long>& Location,
                      const ZQ_Point<long>& Size) {
  const ZQ_Point<long> p = Imp->ToDevice(Location);
  if (!PictureWithinLimit(p, Size)) return;
  Image.Draw(Imp->DeviceContext, p.X, p.Y, Size.X, Size.Y);
}

ZQR_Bitmap ZQF_Canvas::GetAsBitmap(const ZQ_Rectangle<long>& Rectangle) {
  ZQR_Bitmap copy;
  copy.CreateCompatiableBitmap(Imp->DeviceContext, Rectangle.Width, Rectangle.Height);
  const ZQ_Point<long> p = Imp->ToDevice(Rectangle.GetTopLeft());
  copy.BitBlt(Imp->DeviceContext, p.X, p.Y);
  return copy;
}
