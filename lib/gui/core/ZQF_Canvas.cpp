// The canvas's construction, state, lines and shapes, and clipping.
#include "ZQF_Canvas.h"

#include <algorithm>
#include <vector>

#include "ZQF_CanvasImp.h"
#include "ZQF_Metrics.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINUSER.h"
#include "ZQR_Brush.h"
#include "ZQ_Assertion.h"

namespace {

long Clamped(long Coordinate) {
  return std::max(-ZQF_CanvasImp::CoordinateLimit, std::min(Coordinate, ZQF_CanvasImp::CoordinateLimit));
}

}  // namespace

ZQF_CanvasImp::ZQF_CanvasImp(HDC DeviceContext, HRGN ClippingRegion, bool OnFocusPath)
    : DeviceContext(DeviceContext),
      OnFocusPath(OnFocusPath),
      ClippingRegion(ClippingRegion),
      Font(ZQF_GetFontMetric(ZQF_FontMetric_System)),
      KeyboardCues(ZQF_GetBoolMetric(ZQF_BoolMetric_KeyboardCues) ? -1 : 0) {}

ZQF_CanvasImp::~ZQF_CanvasImp() {
  // Regions left on the stack belong to it.
  while (!ClippingRegionStack.IsEmpty()) ZQLOW_WINGDI::DeleteObject(ClippingRegionStack.Pop());
  ZQLOW_WINGDI::DeleteObject(ClippingRegion);
}

RECT ZQF_CanvasImp::ClampedDeviceRect(const ZQ_Rectangle<long>& R, bool AddOrigin) const {
  const long x = AddOrigin ? R.X + OriginX : R.X;
  const long y = AddOrigin ? R.Y + OriginY : R.Y;
  return RECT{Clamped(x), Clamped(y), Clamped(x + R.Width), Clamped(y + R.Height)};
}

void ZQF_CanvasImp::CreateNewPen() {
  static const int s_styles[] = {PS_SOLID, PS_DOT, PS_DASH, PS_NULL};
  const int style = (0 <= LineStyle && LineStyle <= 3) ? s_styles[LineStyle] : PS_SOLID;
  const HPEN made = ZQLOW_WINGDI::CreatePen(style, PenWidth, PenColor.GetCOLORREF());
  ZQLOW_WINGDI::SelectObject(DeviceContext, made);
  ZQLOW_WINGDI::DeleteObject(Pen);
  Pen = made;
}

void ZQF_CanvasImp::Polyline(const POINT* Points, int Count) {
  ZQLOW_WINGDI::Polyline(DeviceContext, Points, Count);
}

bool ZQF_CanvasImp::CombineClippingRegion(const RECT& Rectangle, int Mode) {
  const HRGN rectangle =
      ZQLOW_WINGDI::CreateRectRgn(Rectangle.left, Rectangle.top, Rectangle.right, Rectangle.bottom);
  int result = NULLREGION;
  try {
    result = ZQLOW_WINGDI::CombineRgn(ClippingRegion, ClippingRegion, rectangle, Mode);
  } catch (...) {
    ZQLOW_WINGDI::DeleteObject(rectangle);
    throw;
  }
  ZQLOW_WINGDI::DeleteObject(rectangle);
  return result != NULLREGION;
}

ZQF_Canvas::ZQF_Canvas(HDC DeviceContext, HRGN ClippingRegion, bool OnFocusPath)
    : Imp(new ZQF_CanvasImp(DeviceContext, ClippingRegion, OnFocusPath)) {
  Imp->Pen = ZQLOW_WINGDI::CreatePen(PS_SOLID, 0, Imp->PenColor.GetCOLORREF());
  Imp->PreviousPen = static_cast<HPEN>(ZQLOW_WINGDI::SelectObject(DeviceContext, Imp->Pen));
  ZQLOW_WINGDI::SelectObject(DeviceContext, Imp->Font.GetHFONT());
  ZQLOW_WINGDI::SetTextAlign(DeviceContext, 0);
}

ZQF_Canvas::~ZQF_Canvas() {
  // Failures are logged by the wrappers; a destructor lets none escape.
  try {
    const HDC dc = Imp->DeviceContext;
    ZQLOW_WINGDI::SelectObject(dc, ZQLOW_WINGDI::GetStockObject(SYSTEM_FONT));
    ZQLOW_WINGDI::SelectObject(dc, ZQLOW_WINGDI::GetStockObject(WHITE_BRUSH));
    ZQLOW_WINGDI::SelectObject(dc, Imp->PreviousPen);
    ZQLOW_WINGDI::DeleteObject(Imp->Pen);
  } catch (...) {
  }
  try {
    delete Imp;
  } catch (...) {
  }
}

HDC ZQF_Canvas::GetHDC() const { return Imp->DeviceContext; }
bool ZQF_Canvas::IsOnFocusPath() const { return Imp->OnFocusPath; }
void ZQF_Canvas::SetOnFocusPath(bool OnFocusPath) { Imp->OnFocusPath = OnFocusPath; }

void ZQF_Canvas::SetOrigin(const ZQ_Point<long>& Origin) {
  Imp->OriginX = Origin.X;
  Imp->OriginY = Origin.Y;
}

long ZQF_Canvas::GetKeyboardCues() const { return Imp->KeyboardCues; }
void ZQF_Canvas::SetKeyboardCues(long Flags) { Imp->KeyboardCues = Flags; }
long ZQF_Canvas::GetDrawMode() const { return Imp->DrawMode; }

void ZQF_Canvas::SetDrawMode(long Mode) {
  if (Mode == Imp->DrawMode) return;
  Imp->DrawMode = Mode;
  ZQLOW_WINGDI::SetBkMode(Imp->DeviceContext, Mode ? TRANSPARENT : OPAQUE);
}

ZQR_Color ZQF_Canvas::GetTextColor() const {
  return ZQR_Color(ZQLOW_WINGDI::GetTextColor(Imp->DeviceContext));
}

void ZQF_Canvas::SetTextColor(const ZQR_Color& Color) {
  ZQLOW_WINGDI::SetTextColor(Imp->DeviceContext, Color.GetCOLORREF());
}

ZQR_Color ZQF_Canvas::GetBackgroundColor() const {
  return ZQR_Color(ZQLOW_WINGDI::GetBkColor(Imp->DeviceContext));
}

void ZQF_Canvas::SetBackgroundColor(const ZQR_Color& Color) {
  ZQLOW_WINGDI::SetBkColor(Imp->DeviceContext, Color.GetCOLORREF());
}

ZQR_Color ZQF_Canvas::GetDisabledTextColor() const {
  const ZQR_Color t = GetTextColor();
  const ZQR_Color b = GetBackgroundColor();
  return ZQR_Color(static_cast<BYTE>((t.GetRed() + 2 * b.GetRed()) / 3),
                   static_cast<BYTE>((t.GetGreen() + 2 * b.GetGreen()) / 3),
                   static_cast<BYTE>((t.GetBlue() + 2 * b.GetBlue()) / 3));
}

void ZQF_Canvas::SetPenColor(const ZQR_Color& Color) {
  if (Color == Imp->PenColor) return;
  Imp->PenColor = Color;
  Imp->CreateNewPen();
}

void ZQF_Canvas::SetLineStyle(long Style) {
  if (Style == Imp->LineStyle) return;
  Imp->LineStyle = Style;
  Imp->CreateNewPen();
}

void ZQF_Canvas::SetFont(const ZQR_ConcreteFont& Font) {
  if (Font == Imp->Font) return;
  ZQLOW_WINGDI::SelectObject(Imp->DeviceContext, Font.GetHFONT());
  Imp->Font = Font;
}

void ZQF_Canvas::FirstPt(const ZQ_Point<long>& Point) {
  const ZQ_Point<long> p = Imp->ToDevice(Point);
  ZQLOW_WINGDI::MoveToEx(Imp->DeviceContext, p.X, p.Y, nullptr);
}

void ZQF_Canvas::NextPt(const ZQ_Point<long>& Point) {
  const ZQ_Point<long> p = Imp->ToDevice(Point);
  ZQLOW_WINGDI::LineTo(Imp->DeviceContext, p.X, p.Y);
}

void ZQF_Canvas::DrawLine(const ZQ_Point<long>& From, const ZQ_Point<long>& To) {
  FirstPt(From);
  NextPt(To);
}

void ZQF_Canvas::Draw(const ZQ_Rectangle<long>& Rectangle) {
  const RECT r = Imp->ClampedDeviceRect(Rectangle, true);
  const POINT ring[] = {
      {r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1},
      {r.left, r.top}};
  Imp->Polyline(ring, 5);
}

void ZQF_Canvas::DrawPolyline(const ZQ_Point<long>* Points, int Count) {
  if (Count < 2) return;
  // Short lines, the common case, stay off the heap.
  POINT shortLine[16];
  std::vector<POINT> longLine(Count > 16 ? Count : 0);
  POINT* device = Count > 16 ? longLine.data() : shortLine;
  for (int i = 0; i < Count; ++i) {
    const ZQ_Point<long> p = Imp->ToDevice(Points[i]);
    device[i] = POINT{p.X, p.Y};
  }
  Imp->Polyline(device, Count);
}

void ZQF_Canvas::Fill(const ZQ_Rectangle<long>& Rectangle) { Fill(Rectangle, GetBackgroundColor()); }

void ZQF_Canvas::Fill(const ZQ_Rectangle<long>& Rectangle, const ZQR_Color& Color) {
  Fill(Rectangle, ZQR_Brush(Color));
}

void ZQF_Canvas::Fill(const ZQ_Rectangle<long>& Rectangle, const ZQR_Brush& Brush) {
  const RECT r = Imp->ClampedDeviceRect(Rectangle, true);
  ZQLOW_WINUSER::FillRect(Imp->DeviceContext, &r, Brush.GetHBRUSH());
}

void ZQF_Canvas::Invert(const ZQ_Rectangle<long>& Rectangle) {
  const RECT r = Imp->ClampedDeviceRect(Rectangle, true);
  ZQLOW_WINGDI::PatBlt(Imp->DeviceContext, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       DSTINVERT);
}

bool ZQF_Canvas::IsVisible(long X, long Y, long Width, long Height, int Flag) {
  const RECT r = Imp->ClampedDeviceRect(ZQ_Rectangle<long>(X, Y, Width, Height), Flag == 1);
  return ZQLOW_WINGDI::RectVisible(Imp->DeviceContext, &r) != FALSE;
}

ZQ_Rectangle<long> ZQF_Canvas::GetSmallestRectEnclosingClippingRegion(int Flag) {
  RECT box{};
  ZQLOW_WINGDI::GetRgnBox(Imp->ClippingRegion, &box);
  ZQ_Rectangle<long> r(box.left, box.top, box.right - box.left, box.bottom - box.top);
  if (Flag == 1) {
    r.X -= Imp->OriginX;
    r.Y -= Imp->OriginY;
  }
  return r;
}

bool ZQF_Canvas::IntersectClippingRegion(long X, long Y, long Width, long Height, int Flag) {
  return Imp->CombineClippingRegion(
      Imp->ClampedDeviceRect(ZQ_Rectangle<long>(X, Y, Width, Height), Flag == 1), RGN_AND);
}

bool ZQF_Canvas::ExcludeClippingRegion(long X, long Y, long Width, long Height, int Flag) {
  return Imp->CombineClippingRegion(
      Imp->ClampedDeviceRect(ZQ_Rectangle<long>(X, Y, Width, Height), Flag == 1), RGN_DIFF);
}

void ZQF_Canvas::UseClippingRegion() {
  ZQLOW_WINGDI::SelectClipRgn(Imp->DeviceContext, Imp->ClippingRegion);
  if (Imp->ClipOffsetX != 0 || Imp->ClipOffsetY != 0) {
    ZQLOW_WINGDI::OffsetClipRgn(Imp->DeviceContext, Imp->ClipOffsetX, Imp->ClipOffsetY);
  }
}

void ZQF_Canvas::PushClippingRegion() {
  const HRGN copy = ZQLOW_WINGDI::CreateRectRgn(0, 0, 0, 0);
  try {
    ZQLOW_WINGDI::CombineRgn(copy, Imp->ClippingRegion, nullptr, RGN_COPY);
    Imp->ClippingRegionStack.Push(copy);
  } catch (...) {
    ZQLOW_WINGDI::DeleteObject(copy);
    throw;
  }
}

void ZQF_Canvas::PopClippingRegion() {
  const HRGN saved = Imp->ClippingRegionStack.Pop();
  if (!saved) return;
  ZQLOW_WINGDI::DeleteObject(Imp->ClippingRegion);
  Imp->ClippingRegion = saved;
}

long ZQF_Canvas::GetClippingRegionDepth() const {
  return Imp->ClippingRegionStack.GetNumElements();
}

void ZQF_Canvas::SetClippingRegionOffset(long X, long Y) {
  Imp->ClipOffsetX = X;
  Imp->ClipOffsetY = Y;
}
