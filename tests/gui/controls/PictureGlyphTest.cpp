// The picture view: its coordinates, zooming about a point, the wheel, the
// view's box, centring and scrolling, the tools' actions by modifier keys,
// rubber bands dragged in a real window, hostile zoom runs, and a zoomed
// test picture on the screen.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "../core/DragTestSupport.h"
#include "../core/WindowTestSupport.h"
#include "ZQCG_Polygon.h"
#include "ZQF_Canvas.h"
#include "ZQPICxZQF_PictureGlyph.h"
#include "ZQPICxZQF_PictureGlyphMouseTool.h"
#include "ZQPIC_Canvas.h"
#include "ZQPIC_ScreenMillimetersPerPixel.h"

namespace {

using View = ZQPICxZQF_PictureGlyph;
using Tool = ZQPICxZQF_ZoomAndPanPictureGlyphMouseTool;
using P = ZQ_Point<double>;

// A checkerboard of 8 x 8 squares of 5 user units from (0, 0), drawn
// through the view's transformation; properties shown are recorded.
class CheckerboardView : public View {
 public:
  // Placed at (X, Y) with the given size, as a parent's layout would.
  void Place(long X, long Y, long Width, long Height) {
    SetBoundingBox(ZQ_Rectangle<long>(X, Y, Width, Height));
    AcceptLayout();
  }
  void DrawPicture(ZQPIC_Canvas& Canvas, const ZQCG_AffineTransformation& T) override {
    for (int row = 0; row < 8; ++row) {
      for (int column = 0; column < 8; ++column) {
        ZQCG_Polygon square;
        for (P corner : {P(0, 0), P(5, 0), P(5, 5), P(0, 5)})
          square.AddPoint(T.Transform(P(column * 5 + corner.X, row * 5 + corner.Y)));
        Canvas.SetBackgroundColor((row + column) % 2 ? ZQR_Color(20, 60, 160)
                                                     : ZQR_Color(240, 200, 40));
        Canvas.CanvasDraw(square);
      }
    }
  }
  void DisplayProperties(const P& UserPoint, bool Extended) override {
    Shown = UserPoint;
    ShownExtended = Extended;
  }
  P Shown{-1, -1};
  bool ShownExtended = false;
};

const ZQF_ModifierKeys kNone{}, kShift{true, false, false}, kControl{false, true, false};

bool Near(const P& A, const P& B) { return std::fabs(A.X - B.X) < 1e-9 && std::fabs(A.Y - B.Y) < 1e-9; }

using PictureViews = GuiStageTest;

TEST_F(PictureViews, ClientCornersMapToTheCanvasCorners) {
  CheckerboardView view;
  view.Place(10, 20, 104, 84);  // border code 3: a picture area of 100 x 80 at (2, 2)
  const P mm = ZQPIC_GetScreenMillimetersPerPixel();
  EXPECT_EQ(view.GetPictureBoundingBox(), ZQ_Rectangle<long>(2, 2, 100, 80));
  EXPECT_TRUE(Near(view.GetCanvasExtentInMillimeters(), P(100 * mm.X, 80 * mm.Y)));
  const struct {
    const char* why;
    ZQ_Point<long> client;
    P canvas;
  } kCases[] = {
      {"top left is the canvas top", {2, 2}, P(0, 80 * mm.Y)},
      {"bottom left is the origin", {2, 82}, P(0, 0)},
      {"bottom right", {102, 82}, P(100 * mm.X, 0)},
      {"top right", {102, 2}, P(100 * mm.X, 80 * mm.Y)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(Near(view.ClientToCanvas(c.client), c.canvas));
  }
  // A view smaller than a millimetre still has a millimetre each way.
  view.Place(0, 0, 5, 5);
  EXPECT_EQ(view.GetCanvasExtentInMillimeters(), P(1, 1));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { view.ConvertToUserCoords(P(1, 1), 2); }), "false"));
}

TEST_F(PictureViews, ZoomKeepsThePointAndUndoes) {
  CheckerboardView view;
  view.Place(0, 0, 204, 154);
  view.SetUserToCanvasTransformation(ZQCG_AffineTransformation(3, 1, 0, 4, 0, 1));
  const ZQCG_AffineTransformation before = view.GetUserToCanvasTransformation();
  const P canvasPoint(17, 9);
  const P userPoint = view.ConvertToUserCoords(canvasPoint, View::System_Canvas);
  view.Zoom(2.0, canvasPoint, View::System_Canvas);
  EXPECT_DOUBLE_EQ(view.GetUserToCanvasTransformation().GetA(), 2.0);
  EXPECT_TRUE(Near(view.ConvertToCanvasCoords(userPoint, View::System_User), canvasPoint));
  view.Zoom(0.5, userPoint, View::System_User);
  const ZQCG_AffineTransformation& after = view.GetUserToCanvasTransformation();
  EXPECT_TRUE(Near(P(after.GetTX(), after.GetTY()), P(before.GetTX(), before.GetTY())));
  EXPECT_DOUBLE_EQ(after.GetD(), 1.0);
  EXPECT_TRUE(Near(view.GetCanvasCenterInUserCoords(),
                   view.ConvertToUserCoords(view.GetCanvasCenterInCanvasCoords(), 1)));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { view.Zoom(0.0, canvasPoint, 1); }),
                       "ZoomFactor > 0.0"));
}

TEST_F(PictureViews, WheelZoomsByTwoToTheNotchesUpToEight) {
  const struct {
    const char* why;
    long direction;  // 0: away from the user
    long notches;
    double scale;
  } kCases[] = {
      {"one notch away zooms in", 0, 1, 2},
      {"two notches", 0, 2, 4},
      {"three notches", 0, 3, 8},
      {"more than three count as three", 0, 7, 8},
      {"toward the user zooms out", 1, 2, 0.25},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    CheckerboardView view;
    view.Place(0, 0, 204, 154);
    const ZQ_Point<long> mouse(50, 40);
    const P underMouse = view.ConvertToUserCoords(view.ClientToCanvas(mouse), 1);
    ZQF_WheelMouseMessage wheel(mouse.X, mouse.Y, false, false, false, c.direction, c.notches);
    view.HandleMouseWheel(wheel, true);
    EXPECT_TRUE(wheel.IsHandled());
    EXPECT_DOUBLE_EQ(view.GetUserToCanvasTransformation().GetA(), c.scale);
    EXPECT_TRUE(Near(view.ConvertToUserCoords(view.ClientToCanvas(mouse), 1), underMouse));
  }
}

TEST_F(PictureViews, HostileZoomRunsKeepAUsableTransformation) {
  for (long direction : {0L, 1L}) {
    SCOPED_TRACE(direction ? "2,000 notches out" : "2,000 notches in");
    CheckerboardView view;
    view.Place(0, 0, 204, 154);
    for (int i = 0; i < 2000; ++i) {
      ZQF_WheelMouseMessage wheel(60, 50, false, false, false, direction, 3);
      view.HandleMouseWheel(wheel, true);
    }
    const ZQCG_AffineTransformation t = view.GetUserToCanvasTransformation();
    const double determinant = t.GetA() * t.GetD();
    EXPECT_TRUE(std::isfinite(determinant) && determinant != 0.0) << determinant;
    EXPECT_TRUE(std::isfinite(view.GetCanvasToUserTransformation().GetA()));
    // Back the other way, the view zooms again.
    ZQF_WheelMouseMessage back(60, 50, false, false, false, 1 - direction, 1);
    view.HandleMouseWheel(back, true);
    EXPECT_NE(view.GetUserToCanvasTransformation().GetA(), t.GetA());
  }
}

TEST_F(PictureViews, ViewBoxCentringAndScrolling) {
  CheckerboardView view;
  view.Place(0, 0, 104, 84);
  view.SetViewMargins(2, 3);
  const P extent = view.GetCanvasExtentInMillimeters();
  view.SetUserToCanvasTransformation(ZQCG_AffineTransformation(-10, 2, 0, -20, 0, 2));
  const struct {
    const char* why;
    int mode;
    ZQ_Rectangle<double> box;
  } kCases[] = {
      {"mode 0: the corners", 0, {5, 10, extent.X / 2, extent.Y / 2}},
      {"mode 1: pushed out by the margins", 1, {3, 7, extent.X / 2 + 4, extent.Y / 2 + 6}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQ_Rectangle<double> box = view.GetCurrentViewBoundingBoxInUserCoords(c.mode);
    EXPECT_TRUE(Near(P(box.X, box.Y), P(c.box.X, c.box.Y)));
    EXPECT_TRUE(Near(P(box.Width, box.Height), P(c.box.Width, c.box.Height)));
  }
  Tool tool;
  const ZQ_Point<long> client(30, 20);
  const P user = view.ConvertToUserCoords(view.ClientToCanvas(client), 1);
  tool.CenterView(view, client);
  EXPECT_TRUE(Near(view.ConvertToCanvasCoords(user, 0), view.GetCanvasCenterInCanvasCoords()));
  const P before = view.ConvertToCanvasCoords(user, 0);
  view.ScrollDiagonally(0.5, -0.25);
  EXPECT_TRUE(Near(view.ConvertToCanvasCoords(user, 0), P(before.X - 5, before.Y - 2.5)));
}

TEST_F(PictureViews, ToolActionsFollowTheModifierKeys) {
  const struct {
    const char* why;
    int defaultAction;
    ZQF_ModifierKeys keys;
    int action;
    const char* cursor;
  } kCases[] = {
      {"default zoom", Tool::Action_Zoom, kNone, 0, "ZQPICxZQF_MagnifyingGlassCursor"},
      {"default pan", Tool::Action_Pan, kNone, 1, "ZQPICxZQF_PanCursor"},
      {"Shift pans", Tool::Action_Zoom, kShift, 1, "ZQPICxZQF_PanCursor"},
      {"Control zooms", Tool::Action_Pan, kControl, 0, "ZQPICxZQF_MagnifyingGlassCursor"},
      {"Shift wins over Control", Tool::Action_Zoom, {true, true, false}, 1,
       "ZQPICxZQF_PanCursor"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    CheckerboardView view;
    view.Place(0, 0, 104, 84);
    Tool tool(c.defaultAction);
    EXPECT_EQ(tool.GetAction(c.keys), c.action);
    EXPECT_TRUE(tool.HandleMouseSetCursor(view, ZQ_Point<long>(5, 5), c.keys));
    EXPECT_EQ(HandleOf(ZQR_Cursor::GetCursorToUse()), HandleOf(ZQR_Cursor(ZQ_String(c.cursor))));
  }
  // A click ends as the action says; a cancelled band changes nothing.
  const struct {
    const char* why;
    int action;
    bool cancelled;
    double scale;
    bool centred;
  } kPresses[] = {
      {"zoom click zooms in", Tool::Action_Zoom, false, 2, false},
      {"pan click centres", Tool::Action_Pan, false, 1, true},
      {"cancelled: nothing", Tool::Action_Zoom, true, 1, false},
  };
  for (const auto& c : kPresses) {
    SCOPED_TRACE(c.why);
    CheckerboardView view;
    view.Place(0, 0, 104, 84);
    Tool tool;
    const ZQ_Point<long> at(20, 30);
    const P user = view.ConvertToUserCoords(view.ClientToCanvas(at), 1);
    tool.FinishPress(view, at, c.action, ZQ_Rectangle<long>(500, 500, 1, 1), false, c.cancelled);
    EXPECT_DOUBLE_EQ(view.GetUserToCanvasTransformation().GetA(), c.scale);
    EXPECT_EQ(Near(view.ConvertToCanvasCoords(user, 0), view.GetCanvasCenterInCanvasCoords()),
              c.centred);
  }
  CheckerboardView view;
  view.Place(0, 0, 104, 84);
  Tool tool;
  EXPECT_TRUE(tool.HandleMouseRightDown(view, ZQ_Point<long>(40, 40), kNone));
  EXPECT_DOUBLE_EQ(view.GetUserToCanvasTransformation().GetA(), 0.5);
  ZQPICxZQF_PropertiesPictureGlyphMouseTool properties;
  EXPECT_TRUE(properties.HandleMouseLeftDown(view, ZQ_Point<long>(2, 82), kShift));
  EXPECT_TRUE(Near(view.Shown, view.ConvertToUserCoords(P(0, 0), 1)));
  EXPECT_TRUE(view.ShownExtended);
}

TEST_F(PictureViews, ZoomAreaCountsAMillimetreAtLeast) {
  CheckerboardView view;
  view.Place(0, 0, 204, 154);
  const P extent = view.GetCanvasExtentInMillimeters();
  const ZQ_Rectangle<double> thin(10, 10, 0.2, 0.3);
  Tool().ZoomArea(view, thin);
  EXPECT_NEAR(view.GetUserToCanvasTransformation().GetA(), std::min(extent.X, extent.Y), 1e-9);
  // The area's centre lands on the canvas centre.
  EXPECT_TRUE(Near(view.ConvertToCanvasCoords(thin.GetCenter(), View::System_User),
                   view.GetCanvasCenterInCanvasCoords()));
}

// The view filling a 300 x 220 window; each row drags from (60, 50) to End
// of the client area and releases, or presses Escape.
TEST_F(WindowTest, PictureRubberBandsInAWindow) {
  const struct {
    const char* why;
    ZQ_Point<long> end;
    bool escape;
    double scale;  // 0: anything but 1
  } kCases[] = {
      {"a band zooms into its area", {160, 130}, false, 0},
      {"Escape cancels: nothing changes", {160, 130}, true, 1},
      {"a band of one pixel is a click: zoom in", {61, 51}, false, 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    auto* view = new CheckerboardView;
    ZQF_Window* window = OpenAround(view, ZQ_Rectangle<long>(100, 100, 300, 220));
    const HWND handle = window->GetWindowHandle();
    const ZQ_Point<long> start = view->GlyphToScreen(ZQ_Point<long>(60, 50));
    ::SetCursorPos(start.X, start.Y);
    PumpMessages();
    ::PostMessageA(handle, WM_MOUSEMOVE, MK_LBUTTON, Point(c.end.X, c.end.Y));
    if (c.escape) {
      ::PostMessageA(handle, WM_KEYDOWN, VK_ESCAPE, 0);
    } else {
      ::PostMessageA(handle, WM_LBUTTONUP, 0, Point(c.end.X, c.end.Y));
    }
    Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(60, 50));
    const double scale = view->GetUserToCanvasTransformation().GetA();
    if (c.scale == 0) {
      EXPECT_GT(scale, 1.5);
    } else {
      EXPECT_DOUBLE_EQ(scale, c.scale);
    }
    ::DestroyWindow(handle);
    PumpMessages();
  }
}

TEST_F(WindowTest, PictureViewZoomedScreenshot) {
  auto* view = new CheckerboardView;
  ZQF_Window* window = OpenAround(view, ZQ_Rectangle<long>(100, 100, 320, 240));
  // Squares of 5 mm zoomed twice about the board's corner (0, 0), which is
  // put at the canvas centre: 10 mm squares up and right of the middle of
  // the view, the white ground elsewhere.
  view->Translate(P(0, 0), view->GetCanvasCenterInCanvasCoords());
  view->Zoom(2.0, P(0, 0), View::System_User);
  window->Update();
  PumpMessages();
  const ZQIMG_Image shot = SaveScreenshot(window->GetWindowHandle(), "PictureViewZoomed");
  const P mm = ZQPIC_GetScreenMillimetersPerPixel();
  const long squarePx = std::lround(10 / mm.X);
  const ZQ_Rectangle<long> area = view->GetPictureBoundingBox();
  const long middleX = area.X + area.Width / 2, middleY = area.Y + area.Height / 2;
  const long rowY = middleY - squarePx / 2;
  const ZQR_Color yellow(240, 200, 40), blue(20, 60, 160);
  EXPECT_EQ(shot.GetPixelColor(middleX - squarePx / 2, rowY), ZQR_Color_White);
  EXPECT_EQ(shot.GetPixelColor(middleX + squarePx / 2, rowY), yellow);
  EXPECT_EQ(shot.GetPixelColor(middleX + squarePx * 3 / 2, rowY), blue);
  EXPECT_EQ(shot.GetPixelColor(middleX + squarePx / 2, middleY + squarePx / 2), ZQR_Color_White);
}

}  // namespace
