// Drag feedback: the drawing contexts' pictures, boxes and equality, the
// drag's realisation counts, and inverted pixels read back from the screen.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "DragTestSupport.h"
#include "DrawingTestSupport.h"
#include "GuiStageTestSupport.h"
#include "WindowTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_DragOperationDrawingContext.h"
#include "ZQF_DragOperationMessage.h"
#include "ZQF_MessageRouter.h"
#include "ZQF_Metrics.h"
#include "ZQLOW_WINGDI.h"

namespace {

using Context = ZQF_DragOperationDrawingContext;
using Fill = std::function<void(Context&)>;

std::unique_ptr<Context> Made(const Fill& F) {
  std::unique_ptr<Context> context(new Context);
  F(*context);
  return context;
}

TEST_F(GuiStageTest, DragDrawingContextsDescribeTheirPictures) {
  const struct {
    const char* why;
    Fill actual;
    Fill expected;
  } kCases[] = {
      {"dotted rectangle: right, left, bottom, top strips",
       [](Context& C) { C.DrawDottedRectangle(0, 0, 10, 10, 1, 1); },
       [](Context& C) {
         C.FillDottedArea(9, 0, 1, 10);
         C.FillDottedArea(0, 0, 1, 10);
         C.FillDottedArea(1, 9, 8, 1);
         C.FillDottedArea(1, 0, 8, 1);
       }},
      {"borders wider than the rectangle give no negative extent",
       [](Context& C) { C.DrawDottedRectangle(0, 0, 4, 4, 3, 3); },
       [](Context& C) {
         C.FillDottedArea(1, 0, 3, 4);
         C.FillDottedArea(0, 0, 3, 4);
         C.FillDottedArea(3, 1, 0, 3);
         C.FillDottedArea(3, 0, 0, 3);
       }},
      {"arrowhead on a shaft to the right: ends rounded, 16 long",
       [](Context& C) { C.DrawArrowhead(0, 0, 100, 0, 2, 45); },
       [](Context& C) {
         C.DrawLine(100, 0, 89, -11, 2);
         C.DrawLine(100, 0, 89, 11, 2);
       }},
      {"arrowhead at 60 degrees: -8 exactly, -13.86 to -14",
       [](Context& C) { C.DrawArrowhead(0, 0, 50, 0, 1, 60); },
       [](Context& C) {
         C.DrawLine(50, 0, 42, -14, 1);
         C.DrawLine(50, 0, 42, 14, 1);
       }},
      {"arrowhead of a point shaft adds nothing",
       [](Context& C) { C.DrawArrowhead(5, 5, 5, 5, 1, 30); }, [](Context&) {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(*Made(c.actual) == *Made(c.expected));
  }
}

TEST_F(GuiStageTest, DragDrawingContextsCompareComponentByComponent) {
  const Fill area = [](Context& C) { C.FillDottedArea(1, 2, 3, 4); };
  const Fill line = [](Context& C) { C.DrawLine(0, 0, 5, 5, 1); };
  const Fill clip = [](Context& C) { C.Clip(ZQ_Rectangle<long>(1, 2, 3, 4)); };
  const auto then = [](Fill A, Fill B) -> Fill { return [A, B](Context& C) { A(C), B(C); }; };
  const struct {
    const char* why;
    Fill a;
    Fill b;
    bool equal;
  } kCases[] = {
      {"same order", then(area, line), then(area, line), true},
      {"other order", then(area, line), then(line, area), false},
      {"same fields, other class", area, clip, false},
      {"one more component", area, then(area, area), false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(*Made(c.a) == *Made(c.b), c.equal);
    EXPECT_EQ(*Made(c.a) != *Made(c.b), !c.equal);
  }
}

TEST_F(GuiStageTest, DragDrawingBoundingBoxesSkipClips) {
  const struct {
    const char* why;
    Fill fill;
    ZQ_Rectangle<long> box;
  } kCases[] = {
      {"empty", [](Context&) {}, {-9999, -9999, 0, 0}},
      {"a clip alone",
       [](Context& C) { C.Clip(ZQ_Rectangle<long>(0, 0, 50, 50)); },
       {-9999, -9999, 0, 0}},
      {"a reversed line grows by its pen",
       [](Context& C) { C.DrawLine(10, 10, 0, 0, 2); },
       {-2, -2, 14, 14}},
      {"union of an area and a line after a clip",
       [](Context& C) {
         C.Clip(ZQ_Rectangle<long>(-500, -500, 10, 10));
         C.FillDottedArea(20, 30, 10, 10);
         C.DrawLine(0, 0, 5, 5, 1);
       },
       {-1, -1, 31, 41}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Made(c.fill)->GetDrawingBoundingBox(), c.box);
  }
}

// Draws one dotted square at the mouse position.
class SquareDrag : public ZQF_DragOperation {
 public:
  using ZQF_DragOperation::ZQF_DragOperation;
  void DrawFeedback(ZQF_DragOperationDrawingContext& C) override {
    C.FillDottedArea(GetCurrentMousePosition().X, GetCurrentMousePosition().Y, 8, 8);
  }
};

TEST_F(GuiStageTest, DragFeedbackIsRealisedOnlyWhenThePictureChanges) {
  RecordingGlyph glyph("g", nullptr);
  const FakeCursorPosition cursor(300, 300);
  SquareDrag drag(&glyph);
  int screenContexts = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::CreateDCA> counting(
      [&screenContexts](LPCSTR Driver, LPCSTR Device, LPCSTR Port, const DEVMODEA* Mode) {
        ++screenContexts;
        return ::CreateDCA(Driver, Device, Port, Mode);
      });
  EXPECT_EQ(drag.GetFeedbackArea(), ZQ_Rectangle<long>(-9999, -9999, 0, 0));
  const struct {
    const char* why;
    long x, y;
    int realisations;
  } kMoves[] = {
      {"first move draws", 300, 310, 1},
      {"same picture draws nothing", 300, 310, 0},
      {"a new picture erases and draws", 320, 310, 2},
  };
  for (const auto& m : kMoves) {
    SCOPED_TRACE(m.why);
    screenContexts = 0;
    ZQF_MoveMouseMessage move(m.x, m.y, false, false, false);
    drag.MessageHookCallback(move);
    EXPECT_TRUE(move.IsHandled());
    EXPECT_EQ(screenContexts, m.realisations);
    EXPECT_EQ(drag.GetFeedbackArea(), ZQ_Rectangle<long>(m.x, m.y, 8, 8));
  }
  screenContexts = 0;
  drag.EraseFeedback();
  drag.EraseFeedback();
  EXPECT_EQ(screenContexts, 1);
  EXPECT_EQ(drag.GetFeedbackArea(), ZQ_Rectangle<long>(-9999, -9999, 0, 0));
}

TEST_F(GuiStageTest, DragComponentsInvertThroughTheClipAndLeaveTheXorMixSet) {
  DibSurface surface(40, 40);
  Context feedback;
  feedback.Clip(ZQ_Rectangle<long>(0, 0, 20, 40));
  feedback.FillDottedArea(0, 0, 40, 10);
  feedback.DrawLine(5, 30, 35, 30, 1);
  feedback.DrawOn(surface.GetHDC());
  EXPECT_EQ(surface.GetInkBox(), ZQ_Rectangle<long>(0, 0, 20, 31)) << "nothing right of the clip";
  // White inverted by light grey: every other dot of the area, the line.
  EXPECT_EQ(surface.CountPixels(ZQR_Color(63, 63, 63)), 100 + 15);
  EXPECT_EQ(::GetROP2(surface.GetHDC()), R2_XORPEN);
  feedback.DrawOn(surface.GetHDC());
  EXPECT_EQ(surface.CountPixels(ZQR_Color_White), 40 * 40);
}

TEST_F(GuiStageTest, DragOperationMessagesGoToTheMouseAndResetTheirAnswers) {
  ZQF_DragOperationMessage& message = ZQF_GetDragOperationMessage();
  EXPECT_EQ(message.GetDefaultRouter(), ZQF_GetMouseRouter());
  Context feedback;
  message.SetDrawingContext(&feedback);
  feedback.FillDottedArea(0, 0, 5, 5);
  message.SetCursor(ZQF_GetCursorMetric(ZQF_CursorMetric_IBeam));
  message.Reset();
  EXPECT_EQ(feedback.GetNumComponents(), 0);
  EXPECT_EQ(HandleOf(message.GetCursor()), HandleOf(ZQF_GetCursorMetric(ZQF_CursorMetric_Arrow)));
  message.SetDrawingContext(nullptr);
  message.Reset();  // without a context
}

COLORREF ScreenPixel(long X, long Y) {
  const HDC screen = ::CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  const COLORREF pixel = ::GetPixel(screen, X, Y);
  ::DeleteDC(screen);
  return pixel;
}

// A plain white surface under the feedback.
class WhiteGlyph : public ZQF_DrawableGlyph {
 public:
  void DrawSelf(ZQF_Canvas& Canvas) override {
    Canvas.Fill(GetLocalBoundingBox(), ZQR_Color(255, 255, 255));
  }
};

TEST_F(WindowTest, DottedFeedbackInvertsTheScreenAndARepeatRestoresIt) {
  OpenAround(new WhiteGlyph, ZQ_Rectangle<long>(200, 200, 100, 100));
  ASSERT_EQ(ScreenPixel(240, 240), RGB(255, 255, 255));
  Context feedback;
  feedback.FillDottedArea(230, 230, 20, 20);
  feedback.RealizeDrawing();
  // The pattern's light grey pixels invert white to (63, 63, 63); its black
  // pixels leave it. Neighbours differ.
  const COLORREF a = ScreenPixel(240, 240);
  const COLORREF b = ScreenPixel(241, 240);
  EXPECT_NE(a, b);
  EXPECT_TRUE((a == RGB(63, 63, 63) && b == RGB(255, 255, 255)) ||
              (b == RGB(63, 63, 63) && a == RGB(255, 255, 255)));
  EXPECT_EQ(ScreenPixel(260, 240), RGB(255, 255, 255)) << "outside the area";
  feedback.RealizeDrawing();
  EXPECT_EQ(ScreenPixel(240, 240), RGB(255, 255, 255));
  EXPECT_EQ(ScreenPixel(241, 240), RGB(255, 255, 255));
}

}  // namespace
