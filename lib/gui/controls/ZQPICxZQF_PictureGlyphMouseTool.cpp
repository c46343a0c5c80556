// The picture view's mouse tools: wheel zoom and wheel-button scrolling for
// every tool, the zoom-and-pan tool's clicks and rubber band, and the
// properties tool.
#include "ZQPICxZQF_PictureGlyphMouseTool.h"

#include <algorithm>

#include "ZQF_MouseWheel.h"
#include "ZQF_RectangularAreaDragOperation.h"
#include "ZQPICxZQF_PictureGlyph.h"
#include "ZQ_Assertion.h"

namespace {

using View = ZQPICxZQF_PictureGlyph;

// Loaded at the first use and kept for the run.
const ZQR_Cursor& CursorOfAction(int Action) {
  static const ZQR_Cursor s_magnifier(ZQ_String("ZQPICxZQF_MagnifyingGlassCursor"));
  static const ZQR_Cursor s_pan(ZQ_String("ZQPICxZQF_PanCursor"));
  static const ZQR_Cursor s_none;
  if (Action == ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::Action_Zoom) return s_magnifier;
  if (Action == ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::Action_Pan) return s_pan;
  ZQ_ASSERT(false);
  return s_none;
}

ZQ_Point<double> UserPointAt(View& Glyph, const ZQ_Point<long>& Point) {
  return Glyph.ConvertToUserCoords(Glyph.ClientToCanvas(Point), View::System_Canvas);
}

// The rubber band of a left press, showing the tool's cursor throughout.
class ZoomAreaDrag : public ZQF_RectangularAreaDragOperation {
 public:
  ZoomAreaDrag(View& Glyph, const ZQR_Cursor& Cursor, const ZQF_RectangularAreaDragCallback& Finish)
      : ZQF_RectangularAreaDragOperation(&Glyph, 0, 0, 0, 0,
                                         Glyph.GlyphToScreen(Glyph.GetPictureBoundingBox()), Finish),
        Cursor(Cursor) {}
  ZQR_Cursor GetCursor() override { return Cursor; }

 private:
  ZQR_Cursor Cursor;
};

// Carries the press into the drag's finish callback.
struct PressEnd {
  void Finish(const ZQ_Rectangle<long>& Area, bool LargeEnough, bool Cancelled) {
    Tool->FinishPress(*Glyph, Point, Action, Area, LargeEnough, Cancelled);
  }
  ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool* Tool;
  View* Glyph;
  ZQ_Point<long> Point;
  int Action;
};

}  // namespace

// --- Every tool.

ZQPICxZQF_PictureGlyphMouseTool::~ZQPICxZQF_PictureGlyphMouseTool() = default;

bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseLeftDown(View&, const ZQ_Point<long>&,
                                                          const Keys&) {
  return false;
}
bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseLeftDoubleClick(View&, const ZQ_Point<long>&,
                                                                 const Keys&) {
  return false;
}
bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseLeftUp(View&, const ZQ_Point<long>&, const Keys&) {
  return false;
}
bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseRightDown(View&, const ZQ_Point<long>&,
                                                           const Keys&) {
  return false;
}
bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseRightDoubleClick(View&, const ZQ_Point<long>&,
                                                                  const Keys&) {
  return false;
}
bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseRightUp(View&, const ZQ_Point<long>&,
                                                         const Keys&) {
  return false;
}
bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseMove(View&, const ZQ_Point<long>&, const Keys&) {
  return false;
}
bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseSetCursor(View&, const ZQ_Point<long>&,
                                                           const Keys&) {
  return false;
}

bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseMiddleDown(View& Glyph, const ZQ_Point<long>&,
                                                            const Keys&) {
  // Both axes, fractional millimetre steps.
  ZQF_MouseWheel_BeginWheelScrollDragOperation(
      &Glyph, ZQF_WheelScrollCallback(&Glyph, &View::ScrollDiagonally), 2, 1, 0.2, 100.0);
  return true;
}

bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseMiddleDoubleClick(View& Glyph,
                                                                   const ZQ_Point<long>& Point,
                                                                   const Keys& Modifiers) {
  return HandleMouseMiddleDown(Glyph, Point, Modifiers);
}

bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseMiddleUp(View&, const ZQ_Point<long>&,
                                                          const Keys&) {
  return true;
}

bool ZQPICxZQF_PictureGlyphMouseTool::HandleMouseWheel(View& Glyph, const ZQ_Point<long>& Point,
                                                       const Keys&, bool ZoomIn, long Notches) {
  const double factor = static_cast<double>(1L << std::clamp(Notches, 0L, 3L));
  Glyph.Zoom(ZoomIn ? factor : 1.0 / factor, UserPointAt(Glyph, Point), View::System_User);
  return true;
}

// --- Zoom and pan.

ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool(
    int DefaultAction)
    : DefaultAction(DefaultAction) {}

int ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::GetAction(const Keys& Modifiers) const {
  if (Modifiers.Shift) return Action_Pan;
  if (Modifiers.Control) return Action_Zoom;
  return DefaultAction;
}

bool ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::HandleMouseSetCursor(View&, const ZQ_Point<long>&,
                                                                     const Keys& Modifiers) {
  ZQR_Cursor::SetCursorToUse(CursorOfAction(GetAction(Modifiers)));
  return true;
}

bool ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::HandleMouseLeftDown(View& Glyph,
                                                                    const ZQ_Point<long>& Point,
                                                                    const Keys& Modifiers) {
  const int action = GetAction(Modifiers);
  PressEnd end{this, &Glyph, Point, action};
  ZoomAreaDrag drag(Glyph, CursorOfAction(action),
                    ZQF_RectangularAreaDragCallback(&end, &PressEnd::Finish));
  ZQF_PerformDraggingOperation(drag);
  HandleMouseSetCursor(Glyph, Point, Modifiers);
  return true;
}

bool ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::HandleMouseLeftDoubleClick(
    View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers) {
  return HandleMouseLeftDown(Glyph, Point, Modifiers);
}

bool ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::HandleMouseRightDown(View& Glyph,
                                                                     const ZQ_Point<long>& Point,
                                                                     const Keys& Modifiers) {
  ZoomOut(Glyph, Point);
  HandleMouseSetCursor(Glyph, Point, Modifiers);
  return true;
}

bool ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::HandleMouseRightDoubleClick(
    View& Glyph, const ZQ_Point<long>& Point, const Keys& Modifiers) {
  return HandleMouseRightDown(Glyph, Point, Modifiers);
}

void ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::FinishPress(View& Glyph,
                                                            const ZQ_Point<long>& Point,
                                                            int Action,
                                                            const ZQ_Rectangle<long>& Area,
                                                            bool LargeEnough, bool Cancelled) {
  if (Cancelled) return;
  if (!LargeEnough) {
    if (Action == Action_Pan) {
      CenterView(Glyph, Point);
    } else {
      ZoomIn(Glyph, Point);
    }
    return;
  }
  const ZQ_Rectangle<long> client = Glyph.ScreenToGlyph(Area);
  const ZQ_Point<double> a = Glyph.ClientToCanvas(client.GetTopLeft());
  const ZQ_Point<double> b = Glyph.ClientToCanvas(client.GetBottomRight());
  ZoomArea(Glyph, ZQ_Rectangle<double>(std::min(a.X, b.X), std::min(a.Y, b.Y),
                                       std::max(a.X, b.X) - std::min(a.X, b.X),
                                       std::max(a.Y, b.Y) - std::min(a.Y, b.Y)));
}

void ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::ZoomIn(View& Glyph, const ZQ_Point<long>& Point) {
  Glyph.Zoom(2.0, Glyph.ClientToCanvas(Point), View::System_Canvas);
}

void ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::ZoomOut(View& Glyph, const ZQ_Point<long>& Point) {
  Glyph.Zoom(0.5, Glyph.ClientToCanvas(Point), View::System_Canvas);
}

void ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::CenterView(View& Glyph,
                                                           const ZQ_Point<long>& Point) {
  Glyph.Translate(UserPointAt(Glyph, Point), Glyph.GetCanvasCenterInCanvasCoords());
}

void ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool::ZoomArea(View& Glyph,
                                                         const ZQ_Rectangle<double>& Area) {
  const ZQ_Point<double> centre = Glyph.GetCanvasCenterInCanvasCoords();
  Glyph.Translate(Glyph.ConvertToUserCoords(Area.GetCenter(), View::System_Canvas), centre);
  const ZQ_Point<double> extent = Glyph.GetCanvasExtentInMillimeters();
  // A band thinner than a millimetre counts as one.
  const double factor = std::min(extent.X / std::max(1.0, Area.Width),
                                 extent.Y / std::max(1.0, Area.Height));
  Glyph.Zoom(factor, centre, View::System_Canvas);
}

// --- Properties.

bool ZQPICxZQF_PropertiesPictureGlyphMouseTool::HandleMouseLeftDown(View& Glyph,
                                                                    const ZQ_Point<long>& Point,
                                                                    const Keys& Modifiers) {
  Glyph.DisplayProperties(UserPointAt(Glyph, Point), Modifiers.Shift);
  return true;
}

bool ZQPICxZQF_PropertiesPictureGlyphMouseTool::HandleMouseSetCursor(View&, const ZQ_Point<long>&,
                                                                     const Keys&) {
  static const ZQR_Cursor s_cursor(ZQ_String("ZQPICxZQF_DisplayPropertiesCursor"));
  ZQR_Cursor::SetCursorToUse(s_cursor);
  return true;
}
