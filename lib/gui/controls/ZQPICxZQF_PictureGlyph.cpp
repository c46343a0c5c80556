// The picture view: its coordinate systems, zooming and moving, drawing
// through the picture canvas, and mouse input handed to the tool.
#include "ZQPICxZQF_PictureGlyph.h"

#include <algorithm>
#include <cmath>

#include "ZQF_Canvas.h"
#include "ZQPICxZQF_PictureGlyphMouseTool.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQPIC_ScreenMillimetersPerPixel.h"
#include "ZQR_Color.h"
#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

namespace {

// A transformation the view can keep: finite, with a finite inverse. Many
// zooms one way underflow the determinant to 0 (or overflow it), and the
// inverse of such a one is useless.
bool IsUsable(const ZQCG_AffineTransformation& T) {
  const double determinant = T.GetA() * T.GetD() - T.GetB() * T.GetC();
  for (double v : {T.GetTX(), T.GetA(), T.GetB(), T.GetTY(), T.GetC(), T.GetD(), determinant})
    if (!std::isfinite(v)) return false;
  if (determinant == 0.0) return false;
  const ZQCG_AffineTransformation inverse = T.GetInverse();
  for (double v : {inverse.GetTX(), inverse.GetA(), inverse.GetB(), inverse.GetTY(),
                   inverse.GetC(), inverse.GetD()})
    if (!std::isfinite(v)) return false;
  return true;
}

// Natural size of a view nobody sized (pixels).
constexpr long kNaturalWidth = 200;
constexpr long kNaturalHeight = 150;

}  // namespace

ZQPICxZQF_PictureGlyph::ZQPICxZQF_PictureGlyph()
    : MouseTool(std::make_unique<ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool>()) {}

ZQPICxZQF_PictureGlyph::~ZQPICxZQF_PictureGlyph() = default;

void ZQPICxZQF_PictureGlyph::UpdateMyDesiredSize() {
  DesiredSize.SetX(kNaturalWidth, 1, ZQF_DesiredSize::UnboundedMaximum);
  DesiredSize.SetY(kNaturalHeight, 1, ZQF_DesiredSize::UnboundedMaximum);
}

void ZQPICxZQF_PictureGlyph::AcceptLayout() {
  ZQF_ControlGlyph::AcceptLayout();
  // The canvas centre moves with the size.
  SetUserToCanvasTransformation(UserToCanvas);
}

void ZQPICxZQF_PictureGlyph::DrawPicture(ZQPIC_Canvas&, const ZQCG_AffineTransformation&) {}
void ZQPICxZQF_PictureGlyph::DisplayProperties(const ZQ_Point<double>&, bool) {}

void ZQPICxZQF_PictureGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  DrawControlBorder(Canvas, GetLocalBoundingBox());
  const ZQ_Rectangle<long> area = GetPictureBoundingBox();
  if (area.Width < 1 || area.Height < 1) return;
  Canvas.Fill(area, ZQR_Color_White);
  // The paint context's logical coordinates are the window's.
  ZQPIC_DeviceContextCanvas picture(Canvas.GetHDC(), GlyphToWindow(area), 0,
                                    GetCanvasExtentInMillimeters());
  picture.Initialize();
  DrawPicture(picture, UserToCanvas);
}

void ZQPICxZQF_PictureGlyph::SetMouseTool(std::unique_ptr<ZQPICxZQF_PictureGlyphMouseTool> Tool) {
  MouseTool = std::move(Tool);
}

void ZQPICxZQF_PictureGlyph::SetViewMargins(double MarginX, double MarginY) {
  ViewMargins = ZQ_Point<double>(MarginX, MarginY);
}

// --- Coordinates.

ZQ_Rectangle<long> ZQPICxZQF_PictureGlyph::GetPictureBoundingBox() const {
  ZQ_Rectangle<long> area = GetLocalBoundingBox();
  const ZQ_Point<long> border = ZQF_Canvas::GetBorderSize(GetBorderStyle());
  area.Deflate(border.X, border.Y);
  return area;
}

ZQ_Point<double> ZQPICxZQF_PictureGlyph::GetCanvasExtentInMillimeters() const {
  const ZQ_Rectangle<long> area = GetPictureBoundingBox();
  const ZQ_Point<double> scale = ZQPIC_GetScreenMillimetersPerPixel();
  return ZQ_Point<double>(std::max(1.0, area.Width * scale.X), std::max(1.0, area.Height * scale.Y));
}

ZQ_Point<double> ZQPICxZQF_PictureGlyph::GetCanvasCenterInCanvasCoords() const {
  const ZQ_Point<double> extent = GetCanvasExtentInMillimeters();
  return ZQ_Point<double>(extent.X / 2, extent.Y / 2);
}

ZQ_Point<double> ZQPICxZQF_PictureGlyph::ClientToCanvas(const ZQ_Point<long>& ClientPoint) const {
  const ZQ_Rectangle<long> area = GetPictureBoundingBox();
  const ZQ_Point<double> scale = ZQPIC_GetScreenMillimetersPerPixel();
  return ZQ_Point<double>((ClientPoint.X - area.X) * scale.X,
                          (area.Height - (ClientPoint.Y - area.Y)) * scale.Y);
}

ZQ_Point<double> ZQPICxZQF_PictureGlyph::ConvertToCanvasCoords(const ZQ_Point<double>& Point,
                                                               int System) const {
  if (System == System_Canvas) return Point;
  ZQ_ASSERT_TEXT(System == System_User, "false");
  return System == System_User ? UserToCanvas.Transform(Point) : Point;
}

ZQ_Point<double> ZQPICxZQF_PictureGlyph::ConvertToUserCoords(const ZQ_Point<double>& Point,
                                                             int System) const {
  if (System == System_User) return Point;
  ZQ_ASSERT_TEXT(System == System_Canvas, "false");
  return System == System_Canvas ? CanvasToUser.Transform(Point) : Point;
}

void ZQPICxZQF_PictureGlyph::SetUserToCanvasTransformation(
    const ZQCG_AffineTransformation& Transformation) {
  UserToCanvas = Transformation;
  CanvasToUser = Transformation.GetInverse();
  CanvasCenter = GetCanvasCenterInCanvasCoords();
  CenterInUserCoords = CanvasToUser.Transform(CanvasCenter);
}

ZQ_Rectangle<double> ZQPICxZQF_PictureGlyph::GetCurrentViewBoundingBoxInUserCoords(
    int Mode) const {
  const ZQ_Rectangle<long> area = GetPictureBoundingBox();
  const ZQ_Point<long> corners[] = {area.GetTopLeft(), area.GetTopRight(), area.GetBottomLeft(),
                                    area.GetBottomRight()};
  ZQ_Point<double> user[4];
  ZQ_Point<double> middle;
  for (int i = 0; i < 4; ++i) {
    user[i] = ConvertToUserCoords(ClientToCanvas(corners[i]), System_Canvas);
    middle = ZQ_Point<double>(middle.X + user[i].X / 4, middle.Y + user[i].Y / 4);
  }
  double left = 0, right = 0, bottom = 0, top = 0;
  for (int i = 0; i < 4; ++i) {
    ZQ_Point<double> p = user[i];
    if (Mode == 1) {
      p.X += p.X < middle.X ? -ViewMargins.X : ViewMargins.X;
      p.Y += p.Y < middle.Y ? -ViewMargins.Y : ViewMargins.Y;
    }
    left = i ? std::min(left, p.X) : p.X;
    right = i ? std::max(right, p.X) : p.X;
    bottom = i ? std::min(bottom, p.Y) : p.Y;
    top = i ? std::max(top, p.Y) : p.Y;
  }
  return ZQ_Rectangle<double>(left, bottom, right - left, top - bottom);
}

// --- Zooming and moving.

void ZQPICxZQF_PictureGlyph::ApplyIfUsable(const ZQCG_AffineTransformation& Transformation) {
  if (!IsUsable(Transformation)) return;
  SetUserToCanvasTransformation(Transformation);
  QueueVisualStateUpdate();
}

void ZQPICxZQF_PictureGlyph::Zoom(double ZoomFactor, const ZQ_Point<double>& Point, int System) {
  ZQ_TRACE_FUNCTION("ZQPICxZQF_PictureGlyph::Zoom");
  ZQ_ASSERT(ZoomFactor > 0.0);
  if (!(ZoomFactor > 0.0)) return;
  const ZQ_Point<double> user = ConvertToUserCoords(Point, System);
  const ZQ_Point<double> canvas = ConvertToCanvasCoords(Point, System);
  ZQCG_AffineTransformation zoomed = UserToCanvas;
  zoomed.Scale(ZoomFactor);
  zoomed.Translate(user, canvas);
  ApplyIfUsable(zoomed);
}

void ZQPICxZQF_PictureGlyph::Translate(const ZQ_Point<double>& UserPoint,
                                       const ZQ_Point<double>& CanvasPoint) {
  ZQCG_AffineTransformation moved = UserToCanvas;
  moved.Translate(UserPoint, CanvasPoint);
  ApplyIfUsable(moved);
}

void ZQPICxZQF_PictureGlyph::ScrollDiagonally(double DX, double DY) {
  const ZQ_Point<double> user = GetCurrentViewBoundingBoxInUserCoords(0).GetCenter();
  const ZQ_Point<double> centre = GetCanvasCenterInCanvasCoords();
  Translate(user, ZQ_Point<double>(centre.X - 10 * DX, centre.Y + 10 * DY));
}

// --- Mouse input.

void ZQPICxZQF_PictureGlyph::ForwardToTool(
    ZQF_MouseMessage& Message, bool SecondTry,
    bool (ZQPICxZQF_PictureGlyphMouseTool::*Handler)(ZQPICxZQF_PictureGlyph&,
                                                     const ZQ_Point<long>&,
                                                     const ZQF_ModifierKeys&)) {
  if (!SecondTry || Message.IsHandled() || !MouseTool) return;
  if ((MouseTool.get()->*Handler)(*this, WindowToGlyph(Message.GetPosition()),
                                  Message.GetModifierKeys())) {
    Message.SetHandled();
  }
}

#define ZQPIC_FORWARDED_HANDLER(Handler, Base)                                               \
  void ZQPICxZQF_PictureGlyph::Handler(ZQF_MouseMessage& Message, bool SecondTry) {           \
    Base::Handler(Message, SecondTry);                                                        \
    ForwardToTool(Message, SecondTry, &ZQPICxZQF_PictureGlyphMouseTool::Handler);             \
  }
ZQPIC_FORWARDED_HANDLER(HandleMouseLeftDown, ZQF_ControlGlyph)
ZQPIC_FORWARDED_HANDLER(HandleMouseLeftDoubleClick, ZQF_ControlGlyph)
ZQPIC_FORWARDED_HANDLER(HandleMouseLeftUp, ZQF_ControlGlyph)
ZQPIC_FORWARDED_HANDLER(HandleMouseRightDown, ZQF_ControlGlyph)
ZQPIC_FORWARDED_HANDLER(HandleMouseRightDoubleClick, ZQF_ControlGlyph)
ZQPIC_FORWARDED_HANDLER(HandleMouseRightUp, ZQF_ControlGlyph)
ZQPIC_FORWARDED_HANDLER(HandleMouseMiddleDown, ZQF_ControlGlyph)
ZQPIC_FORWARDED_HANDLER(HandleMouseMiddleDoubleClick, ZQF_ControlGlyph)
ZQPIC_FORWARDED_HANDLER(HandleMouseMiddleUp, ZQF_ControlGlyph)
ZQPIC_FORWARDED_HANDLER(HandleMouseMove, ZQF_ControlGlyph)
ZQPIC_FORWARDED_HANDLER(HandleMouseSetCursor, ZQF_ControlGlyph)
#undef ZQPIC_FORWARDED_HANDLER

void ZQPICxZQF_PictureGlyph::HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) {
  ZQF_ControlGlyph::HandleMouseWheel(Message, SecondTry);
  if (!SecondTry || Message.IsHandled() || !MouseTool) return;
  // The wheel turned away from the user zooms in.
  if (MouseTool->HandleMouseWheel(*this, WindowToGlyph(Message.GetPosition()),
                                  Message.GetModifierKeys(), Message.GetDirection() == 0,
                                  Message.GetNumNotches())) {
    Message.SetHandled();
  }
}
