// The ready-made drags' geometry without a window: cursor clip areas, the
// positions and rectangles they report, their feedback, cursors and finish
// callbacks. Mouse positions reach them as their message hook would.
#include <gtest/gtest.h>

#include "DragTestSupport.h"
#include "GlyphTestSupport.h"
#include "GuiStageTestSupport.h"
#include "ZQF_DragOperationDrawingContext.h"
#include "ZQF_Metrics.h"
#include "ZQF_RectangleLocationDragOperation.h"
#include "ZQF_RectangleSizeDragOperation.h"
#include "ZQF_RectangularAreaDragOperation.h"
#include "ZQF_SeparatorDragOperation.h"

namespace {

using R = ZQ_Rectangle<long>;
using Context = ZQF_DragOperationDrawingContext;

class DragGeometryTest : public GuiStageTest {
 protected:
  RecordingGlyph glyph{"g", nullptr};
  FinishRecorder finished;
  ZQF_SeparatorDragCallback separatorDone{&finished, &FinishRecorder::Separator};
  ZQF_RectangleDragCallback rectangleDone{&finished, &FinishRecorder::Rectangle};
};

TEST_F(DragGeometryTest, SeparatorsKeepTheirBarInsideTheLimit) {
  // A 4 px bar at x 100, limits x 100 to 300, grabbed 2 px right of its
  // edge: the cursor goes from 102 to 298, the bar from 100 to 296.
  const FakeCursorPosition grabbed(102, 50);
  ZQF_VerticalSeparatorDragOperation vertical(&glyph, 100, 4, R(100, 0, 200, 500), separatorDone);
  EXPECT_EQ(vertical.GetCursorClipArea(), R(102, 0, 197, 500));
  const FakeCursorPosition grabbedY(50, 203);
  ZQF_HorizontalSeparatorDragOperation horizontal(&glyph, 200, 6, R(0, 200, 600, 300),
                                                  separatorDone);
  EXPECT_EQ(horizontal.GetCursorClipArea(), R(0, 203, 600, 295));
  const struct {
    ZQF_SeparatorDragOperation* drag;
    long x, y, position;
    R bar;
    int cursor;
  } kCases[] = {
      {&vertical, 102, 60, 100, {100, 0, 4, 500}, 9},
      {&vertical, 298, 60, 296, {296, 0, 4, 500}, 9},
      {&horizontal, 70, 250, 247, {0, 247, 600, 6}, 8},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.position);
    finished.Calls.clear();
    PointAt(*c.drag, c.x, c.y);
    EXPECT_EQ(c.drag->GetCurrentDragPosition(), c.position);
    Context feedback, expected;
    c.drag->DrawFeedback(feedback);
    expected.FillDottedArea(c.bar.X, c.bar.Y, c.bar.Width, c.bar.Height);
    EXPECT_TRUE(feedback == expected);
    EXPECT_EQ(HandleOf(c.drag->GetCursor()), HandleOf(ZQF_GetCursorMetric(c.cursor)));
    c.drag->PerformFinishDragCallback(true);
    EXPECT_EQ(finished.Calls, std::vector<std::string>{std::to_string(c.position) + " cancelled"});
  }
}

TEST_F(DragGeometryTest, LocationDragsMoveTheRectangleInsideTheLimit) {
  const FakeCursorPosition grabbed(210, 205);
  const R limit(0, 0, 1000, 800);
  ZQF_RectangleLocationDragOperation drag(&glyph, R(200, 200, 100, 50), 2, 3, limit, rectangleDone);
  EXPECT_EQ(drag.GetCursorClipArea(), R(10, 5, 901, 751));
  drag.PerformFinishDragCallback(false);  // no feedback yet: the initial rectangle
  PointAt(drag, 500, 400);
  Context feedback, expected;
  drag.DrawFeedback(feedback);
  expected.Clip(limit);
  expected.DrawDottedRectangle(490, 395, 100, 50, 2, 3);
  EXPECT_TRUE(feedback == expected);
  drag.PerformFinishDragCallback(true);
  EXPECT_EQ(finished.Calls,
            (std::vector<std::string>{"(200, 200, 100, 50)", "(490, 395, 100, 50) cancelled"}));
}

TEST_F(DragGeometryTest, SizeDragsMoveTheirEdgesWithinBounds) {
  // R (100, 100, 200, 100), limit (0, 0, 1000, 800); each edge pressed,
  // then the mouse moved by (+30, +20).
  const struct {
    int code;
    long pressX, pressY, minimum;
    R rectangle;
    R clip;
    int cursor;
  } kCases[] = {
      {0, 100, 100, 50, {130, 120, 170, 80}, {0, 0, 251, 161}, 7},
      {1, 200, 100, 50, {100, 120, 200, 80}, {0, 0, 1000, 161}, 4},
      {2, 300, 100, 50, {100, 120, 230, 80}, {150, 0, 850, 161}, 6},
      {3, 300, 150, 50, {100, 100, 230, 100}, {150, 0, 850, 800}, 5},
      {4, 300, 200, 50, {100, 100, 230, 120}, {150, 140, 850, 660}, 7},
      {5, 200, 200, 50, {100, 100, 200, 120}, {0, 140, 1000, 660}, 4},
      {6, 100, 200, 50, {130, 100, 170, 120}, {0, 140, 251, 660}, 6},
      {7, 100, 150, 50, {130, 100, 170, 100}, {0, 0, 251, 800}, 5},
      // A minimum above the rectangle's size is its size: no inward move.
      {4, 300, 200, 500, {100, 100, 230, 120}, {300, 200, 700, 600}, 7},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code);
    finished.Calls.clear();
    const FakeCursorPosition pressed(c.pressX, c.pressY);
    ZQF_RectangleSizeDragOperation drag(&glyph, R(100, 100, 200, 100), c.code, 1, 1, c.minimum,
                                        c.minimum - 10, R(0, 0, 1000, 800), rectangleDone);
    EXPECT_EQ(drag.GetCursorClipArea(), c.clip);
    EXPECT_EQ(HandleOf(drag.GetCursor()), HandleOf(ZQF_GetCursorMetric(c.cursor)));
    PointAt(drag, c.pressX + 30, c.pressY + 20);
    Context feedback;
    drag.DrawFeedback(feedback);
    drag.PerformFinishDragCallback(false);
    EXPECT_EQ(finished.Calls, std::vector<std::string>{FinishRecorder::Text(c.rectangle)});
  }
}

TEST(DragClassification, CursorLocationsOverAThreeByThreeGrid) {
  const struct {
    R rectangle;
    long x, y;
    int code;
    const char* why;
  } kCases[] = {
      {{0, 0, 100, 60}, 1, 1, 0, "top-left"},
      {{0, 0, 100, 60}, 50, 1, 1, "top"},
      {{0, 0, 100, 60}, 97, 2, 2, "2 px inside the top-right corner"},
      {{0, 0, 100, 60}, 1, 30, 7, "left"},
      {{0, 0, 100, 60}, 50, 30, 0, "centre, as the top-left corner"},
      {{0, 0, 100, 60}, 98, 30, 3, "right"},
      {{0, 0, 100, 60}, 1, 58, 6, "bottom-left"},
      {{0, 0, 100, 60}, 50, 58, 5, "bottom"},
      {{0, 0, 100, 60}, 96, 56, 4, "bottom-right, exactly at the threshold"},
      {{0, 0, 6, 60}, 3, 30, 7, "narrow: the left test wins"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQF_RectangleSizeDragOperation::ClassifyCursorLocation(
                  c.rectangle, ZQ_Point<long>(4, 4), ZQ_Point<long>(c.x, c.y)),
              c.code);
  }
}

TEST_F(DragGeometryTest, RubberBandsShowOnlyAreasOfTheMinimumExtent) {
  const FakeCursorPosition pressed(100, 100);
  ZQF_RectangularAreaDragOperation drag(
      &glyph, 0, 0, 0, 0, R(0, 0, 0, 0),
      ZQF_RectangularAreaDragCallback(&finished, &FinishRecorder::Area));
  const HCURSOR cross = ::LoadCursorA(nullptr, IDC_CROSS);
  drag.SetCursorWhileSmall(ZQR_Cursor::LoadStockCursor(IDC_CROSS));
  EXPECT_EQ(drag.GetCursorClipArea(), ZQF_GetAreaMetric(ZQF_AreaMetric_Screen));
  const struct {
    long x, y;
    R area;
    bool large;
  } kCases[] = {
      {103, 110, {100, 100, 3, 10}, false},  // below the 4 x 4 minimum
      {96, 96, {96, 96, 4, 4}, true},
      {130, 140, {100, 100, 30, 40}, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(FinishRecorder::Text(c.area));
    finished.Calls.clear();
    PointAt(drag, c.x, c.y);
    Context feedback, expected;
    drag.DrawFeedback(feedback);
    if (c.large)
      expected.DrawDottedRectangle(c.area.X, c.area.Y, c.area.Width, c.area.Height, 1, 1);
    EXPECT_TRUE(feedback == expected);
    EXPECT_EQ(HandleOf(drag.GetCursor()) == cross, !c.large);
    drag.PerformFinishDragCallback(true);
    EXPECT_EQ(finished.Calls,
              std::vector<std::string>{FinishRecorder::Text(c.area) +
                                       (c.large ? " large" : " small") + " cancelled"});
  }
}

}  // namespace
