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

class DragGeometryTest : public GuiStageTest {
 protected:
  RecordingGlyph glyph{"g", nullptr};
  FinishRecorder finished;
};

TEST_F(DragGeometryTest, SeparatorsKeepTheirBarInsideTheLimit) {
  const FakeCursorPosition grabbed(102, 50);
  ZQF_VerticalSeparatorDragOperation drag(&glyph, 100, 4, R(100, 0, 200, 500),
                                          ZQF_SeparatorDragCallback(&finished, &FinishRecorder::Separator));
  EXPECT_EQ(drag.GetCursorClipArea(), R(102, 0, 197, 500)) << "x 102 to 298";
  const struct { long x; long position; } kCases[] = {{102, 100}, {298, 296}, {150, 148}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.x);
    PointAt(drag, c.x, 60);
    EXPECT_EQ(drag.GetCurrentDragPosition(), c.position);
  }
  ZQF_DragOperationDrawingContext feedback, expected;
  drag.DrawFeedback(feedback);
  expected.FillDottedArea(148, 0, 4, 500);
  EXPECT_TRUE(feedback == expected);
  EXPECT_EQ(HandleOf(drag.GetCursor()), HandleOf(ZQF_GetCursorMetric(9)));
  drag.PerformFinishDragCallback(true);
  EXPECT_EQ(finished.Calls, std::vector<std::string>{"148 cancelled"});
}

TEST_F(DragGeometryTest, HorizontalSeparatorsWorkAlongY) {
  const FakeCursorPosition grabbed(50, 203);
  ZQF_HorizontalSeparatorDragOperation drag(&glyph, 200, 6, R(0, 200, 600, 300),
                                            ZQF_SeparatorDragCallback(&finished, &FinishRecorder::Separator));
  EXPECT_EQ(drag.GetCursorClipArea(), R(0, 203, 600, 295));
  PointAt(drag, 70, 250);
  ZQF_DragOperationDrawingContext feedback, expected;
  drag.DrawFeedback(feedback);
  expected.FillDottedArea(0, 247, 600, 6);
  EXPECT_TRUE(feedback == expected);
  EXPECT_EQ(HandleOf(drag.GetCursor()), HandleOf(ZQF_GetCursorMetric(8)));
  drag.PerformFinishDragCallback(false);
  EXPECT_EQ(finished.Calls, std::vector<std::string>{"247"});
}

TEST_F(DragGeometryTest, LocationDragsMoveTheRectangleInsideTheLimit) {
  const FakeCursorPosition grabbed(210, 205);
  const R limit(0, 0, 1000, 800);
  ZQF_RectangleLocationDragOperation drag(&glyph, R(200, 200, 100, 50), 2, 3, limit,
                                          ZQF_RectangleDragCallback(&finished, &FinishRecorder::Rectangle));
  EXPECT_EQ(drag.GetCursorClipArea(), R(10, 5, 901, 751));
  drag.PerformFinishDragCallback(false);  // no feedback yet: the initial rectangle
  PointAt(drag, 500, 400);
  ZQF_DragOperationDrawingContext feedback, expected;
  drag.DrawFeedback(feedback);
  expected.Clip(limit);
  expected.DrawDottedRectangle(490, 395, 100, 50, 2, 3);
  EXPECT_TRUE(feedback == expected);
  drag.PerformFinishDragCallback(true);
  EXPECT_EQ(finished.Calls,
            (std::vector<std::string>{"(200, 200, 100, 50)", "(490, 395, 100, 50) cancelled"}));
}

TEST_F(DragGeometryTest, SizeDragsMoveTheirEdgesWithinBounds) {
  // R (100, 100, 200, 100), minimum 50 x 40, limit (0, 0, 1000, 800); each
  // edge pressed, then the mouse moved by (+30, +20).
  const struct {
    int code;
    long pressX, pressY;
    R rectangle;
    R clip;
    int cursor;
  } kCases[] = {
      {0, 100, 100, {130, 120, 170, 80}, {0, 0, 251, 161}, 7},
      {1, 200, 100, {100, 120, 200, 80}, {0, 0, 1000, 161}, 4},
      {2, 300, 100, {100, 120, 230, 80}, {150, 0, 850, 161}, 6},
      {3, 300, 150, {100, 100, 230, 100}, {150, 0, 850, 800}, 5},
      {4, 300, 200, {100, 100, 230, 120}, {150, 140, 850, 660}, 7},
      {5, 200, 200, {100, 100, 200, 120}, {0, 140, 1000, 660}, 4},
      {6, 100, 200, {130, 100, 170, 120}, {0, 140, 251, 660}, 6},
      {7, 100, 150, {130, 100, 170, 100}, {0, 0, 251, 800}, 5},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code);
    finished.Calls.clear();
    const FakeCursorPosition pressed(c.pressX, c.pressY);
    ZQF_RectangleSizeDragOperation drag(&glyph, R(100, 100, 200, 100), c.code, 1, 1, 50, 40,
                                        R(0, 0, 1000, 800),
                                        ZQF_RectangleDragCallback(&finished, &FinishRecorder::Rectangle));
    EXPECT_EQ(drag.GetCursorClipArea(), c.clip);
    EXPECT_EQ(HandleOf(drag.GetCursor()), HandleOf(ZQF_GetCursorMetric(c.cursor)));
    PointAt(drag, c.pressX + 30, c.pressY + 20);
    ZQF_DragOperationDrawingContext feedback;
    drag.DrawFeedback(feedback);
    drag.PerformFinishDragCallback(false);
    EXPECT_EQ(finished.Calls, std::vector<std::string>{FinishRecorder::Text(c.rectangle)});
  }
}

TEST_F(DragGeometryTest, SizeDragMinimumNeverExceedsTheRectangle) {
  const FakeCursorPosition pressed(300, 200);
  ZQF_RectangleSizeDragOperation drag(&glyph, R(100, 100, 200, 100), 4, 1, 1, 500, 500,
                                      R(0, 0, 1000, 800), ZQF_RectangleDragCallback());
  EXPECT_EQ(drag.GetCursorClipArea().GetTopLeft(), ZQ_Point<long>(300, 200))
      << "the corner may not move inward at all";
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
      {{0, 0, 100, 60}, 98, 58, 4, "bottom-right"},
      {{0, 0, 100, 60}, 96, 56, 4, "exactly at the threshold"},
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
  ZQF_RectangularAreaDragOperation drag(&glyph, 0, 0, 0, 0, R(0, 0, 0, 0),
                                        ZQF_RectangularAreaDragCallback(&finished, &FinishRecorder::Area));
  const HCURSOR cross = ::LoadCursorA(nullptr, IDC_CROSS);
  drag.SetCursorWhileSmall(ZQR_Cursor::LoadStockCursor(IDC_CROSS));
  EXPECT_EQ(drag.GetCursorClipArea(), ZQF_GetAreaMetric(1));
  const struct {
    long x, y;
    bool large;
    const char* why;
  } kCases[] = {
      {103, 110, false, "3 by 10 is below 4 by 4"},
      {96, 96, true, "4 by 4 up and left"},
      {130, 140, true, "30 by 40"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    finished.Calls.clear();
    PointAt(drag, c.x, c.y);
    const R area(std::min(100L, c.x), std::min(100L, c.y), std::abs(c.x - 100), std::abs(c.y - 100));
    EXPECT_EQ(drag.GetFinalRectangularArea(), area);
    ZQF_DragOperationDrawingContext feedback, expected;
    drag.DrawFeedback(feedback);
    if (c.large) expected.DrawDottedRectangle(area.X, area.Y, area.Width, area.Height, 1, 1);
    EXPECT_TRUE(feedback == expected);
    EXPECT_EQ(HandleOf(drag.GetCursor()) == cross, !c.large);
    drag.PerformFinishDragCallback(true);
    EXPECT_EQ(finished.Calls, std::vector<std::string>{FinishRecorder::Text(area) +
                                                       (c.large ? " large" : " small") +
                                                       " cancelled"});
  }
}

TEST_F(DragGeometryTest, RubberBandClipAreasMeetTheScreen) {
  const FakeCursorPosition pressed(100, 100);
  const R screen = ZQF_GetAreaMetric(1);
  ZQF_RectangularAreaDragOperation drag(&glyph, 0, 0, 0, 0, R(-50, 10, 100, 20),
                                        ZQF_RectangularAreaDragCallback());
  EXPECT_EQ(drag.GetCursorClipArea(), R::Intersection(R(-50, 10, 100, 20), screen));
}

}  // namespace
