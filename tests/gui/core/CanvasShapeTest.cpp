#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "DrawingTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQR_Bitmap.h"

namespace {

const ZQR_Color kBlue(0, 0, 255);

// A canvas over a 32 x 32 white surface with distinct metric colours.
class CanvasShapes : public DistinctColorsStageTest {
 protected:
  void SetUp() override {
    DistinctColorsStageTest::SetUp();
    surface.reset(new DibSurface(32, 32));
    canvas.reset(new ZQF_Canvas(surface->GetHDC(), surface->NewWholeRegion(), false));
  }
  void TearDown() override {
    canvas.reset();
    surface.reset();
    DistinctColorsStageTest::TearDown();
  }
  ZQR_Color At(long X, long Y) const { return surface->GetPixel(X, Y); }
  static ZQR_Color Metric(int Key) { return ZQF_GetColorMetric(Key); }

  std::unique_ptr<DibSurface> surface;
  std::unique_ptr<ZQF_Canvas> canvas;
};

TEST_F(CanvasShapes, OutlineFarLeftIsClampedToTheLimit) {
  std::vector<POINT> drawn;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::Polyline> watch(
      [&](HDC DC, const POINT* Points, int Count) {
        drawn.assign(Points, Points + Count);
        return ::Polyline(DC, Points, Count);
      });
  canvas->Draw(ZQ_Rectangle<long>(-40000, 2, 40010, 5));
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_EQ(drawn[0].x, -32500);
  EXPECT_EQ(drawn[1].x, 9);
  EXPECT_EQ(At(5, 2), ZQR_Color_Black);
  EXPECT_EQ(At(9, 4), ZQR_Color_Black);
}

// Outer corners (L, T) and (Rt, B), inner corners (L + 1, T + 1) and
// (Rt - 1, B - 1), and the tenth ring of code 8, of a border on
// (2, 2, 24, 24). Keys are colour metrics; -1 the background, -2 blue.
TEST_F(CanvasShapes, BordersByCode) {
  const struct {
    int code;
    bool focus;
    int outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight, tenth;
  } cases[] = {
      {0, false, -1, -1, -1, -1, -1}, {0, true, -1, -1, -1, -1, -1},
      {1, false, 3, 3, -1, -1, -1},   {1, true, 33, 33, -1, -1, -1},
      {2, false, 4, 6, -1, -1, -1},   {2, true, 33, 33, -1, -1, -1},
      {3, false, 4, 6, 3, 5, -1},     {3, true, 4, 6, 33, 33, -1},
      {4, false, 3, 3, -1, -1, -1},   {4, true, 33, 33, -1, -1, -1},
      {5, false, 6, 3, 5, 4, -1},     {5, true, 6, 3, 33, 33, -1},
      {6, false, 4, 6, 5, 4, -1},     {6, true, 4, 6, 33, 33, -1},
      {7, false, 6, 3, 3, 5, -1},     {7, true, 6, 3, 33, 33, -1},
      {8, false, -2, -2, -2, -2, -2}, {8, true, -2, -2, -2, -2, 33},
  };
  canvas->SetOnFocusPath(true);
  canvas->SetKeyboardCues(1);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.code << (c.focus ? " focused" : ""));
    surface->Clear();
    canvas->DrawBorder(ZQ_Rectangle<long>(2, 2, 24, 24), c.code, c.focus ? 1 : 0);
    const auto color = [](int key) {
      return key == -1 ? ZQR_Color_White : key == -2 ? kBlue : ZQF_GetColorMetric(key);
    };
    EXPECT_EQ(At(2, 2), color(c.outerTopLeft));
    EXPECT_EQ(At(25, 25), color(c.outerBottomRight));
    EXPECT_EQ(At(3, 3), color(c.innerTopLeft));
    EXPECT_EQ(At(24, 24), color(c.innerBottomRight));
    EXPECT_EQ(At(11, 11), color(c.tenth));
    EXPECT_EQ(At(12, 12), ZQR_Color_White);
  }
}

TEST_F(CanvasShapes, FocusHighlightNeedsOptionFocusPathAndCue) {
  const struct {
    long options;
    bool onFocusPath;
    long cues;
    bool highlighted;
  } cases[] = {{1, true, 1, true}, {0, true, 1, false}, {1, false, 1, false}, {1, true, 2, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.options << c.onFocusPath << c.cues);
    surface->Clear();
    canvas->SetOnFocusPath(c.onFocusPath);
    canvas->SetKeyboardCues(c.cues);
    canvas->DrawBorder(ZQ_Rectangle<long>(2, 2, 10, 10), 1, c.options);
    EXPECT_EQ(At(2, 2), Metric(c.highlighted ? 33 : 3));
  }
}

TEST_F(CanvasShapes, ThinRectanglesOfTwoRingBorders) {
  canvas->DrawBorder(ZQ_Rectangle<long>(2, 2, 10, 1), 3, 0);
  EXPECT_EQ(surface->CountPixels(Metric(5)), 10);
  EXPECT_EQ(surface->GetInkBox(), ZQ_Rectangle<long>(2, 2, 10, 1));
  surface->Clear();
  // One pixel wide: the outer ring only.
  canvas->DrawBorder(ZQ_Rectangle<long>(2, 2, 1, 10), 3, 0);
  EXPECT_EQ(surface->GetInkBox(), ZQ_Rectangle<long>(2, 2, 1, 10));
  EXPECT_EQ(At(2, 2), Metric(6));
  EXPECT_EQ(At(2, 5), Metric(4));
  EXPECT_EQ(At(2, 11), Metric(6));
  EXPECT_EQ(surface->CountPixels(Metric(3)) + surface->CountPixels(Metric(5)), 0);
}

TEST_F(CanvasShapes, ThicknessBorderShrinksAlongTheThickerAxis) {
  const ZQR_Color red(255, 0, 0);
  canvas->DrawBorder(ZQ_Rectangle<long>(2, 2, 20, 10), red, ZQ_Point<long>(3, 1));
  for (long x : {2, 3, 4, 19, 20, 21}) EXPECT_EQ(At(x, 6), red) << x;
  EXPECT_EQ(At(5, 6), ZQR_Color_White);
  EXPECT_EQ(At(10, 3), ZQR_Color_White);  // one line high
  surface->Clear();
  canvas->DrawBorder(ZQ_Rectangle<long>(2, 2, 20, 10), red, ZQ_Point<long>(2, 2));
  EXPECT_EQ(At(3, 3), red);
  EXPECT_EQ(At(4, 4), ZQR_Color_White);
}

// Rows Y = 2 to 12 after a separator from x = 0 to 10; -1 the background,
// -2 blue.
TEST_F(CanvasShapes, SeparatorsByCode) {
  const struct {
    int code;
    int row2, row3, row11, row12;
  } cases[] = {{0, -1, -1, -1, -1}, {1, 3, -1, -1, -1}, {2, 3, 3, -1, -1},
               {3, 4, 6, -1, -1},   {4, 5, 3, -1, -1},  {5, -2, -2, -2, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    surface->Clear();
    canvas->DrawHorizontalSeparatorLine(0, 10, 2, c.code);
    const auto color = [](int key) {
      return key == -1 ? ZQR_Color_White : key == -2 ? kBlue : ZQF_GetColorMetric(key);
    };
    EXPECT_EQ(At(5, 2), color(c.row2));
    EXPECT_EQ(At(5, 3), color(c.row3));
    EXPECT_EQ(At(5, 11), color(c.row11));
    EXPECT_EQ(At(5, 12), color(c.row12));
  }
  surface->Clear();
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { canvas->DrawHorizontalSeparatorLine(0, 10, 2, 6); }),
                       "false"));
  EXPECT_EQ(surface->GetInkBox(), ZQ_Rectangle<long>());
}

TEST_F(CanvasShapes, FocusIndicatorOnlyWithCueBitZero) {
  canvas->SetOrigin(ZQ_Point<long>(3, 4));
  canvas->SetKeyboardCues(2);
  canvas->DrawFocusIndicator(ZQ_Rectangle<long>(0, 0, 10, 8));
  EXPECT_EQ(surface->GetInkBox(), ZQ_Rectangle<long>());
  canvas->SetKeyboardCues(1);
  canvas->DrawFocusIndicator(ZQ_Rectangle<long>(0, 0, 10, 8));
  EXPECT_EQ(surface->GetInkBox(), ZQ_Rectangle<long>(3, 4, 10, 8));
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::DrawFocusRect> failing(
      ZQLOW_WIN_Answer(FALSE, ERROR_INVALID_HANDLE));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] {
    canvas->DrawFocusIndicator(ZQ_Rectangle<long>(0, 0, 10, 8));
  }), "ResultCode"));
}

TEST_F(CanvasShapes, FillsAndInversionAddTheOrigin) {
  canvas->SetOrigin(ZQ_Point<long>(10, 10));
  canvas->Fill(ZQ_Rectangle<long>(0, 0, 4, 4), ZQR_Color(255, 0, 0));
  EXPECT_EQ(surface->GetInkBox(), ZQ_Rectangle<long>(10, 10, 4, 4));
  canvas->Invert(ZQ_Rectangle<long>(2, 2, 4, 4));
  EXPECT_EQ(At(12, 12), ZQR_Color(0, 255, 255));
  EXPECT_EQ(At(15, 15), ZQR_Color_Black);
}

TEST_F(CanvasShapes, CopyOfARectangleAsBitmap) {
  canvas->SetOrigin(ZQ_Point<long>(10, 10));
  canvas->Fill(ZQ_Rectangle<long>(2, 2, 3, 3), ZQR_Color(255, 0, 0));
  const ZQR_Bitmap copy = canvas->GetAsBitmap(ZQ_Rectangle<long>(2, 2, 6, 4));
  ASSERT_EQ(copy.GetSize(), ZQ_Point<long>(6, 4));
  DibSurface target(6, 4);
  copy.Draw(target.GetHDC(), 0, 0, 6, 4, SRCCOPY);
  EXPECT_EQ(target.GetInkBox(), ZQ_Rectangle<long>(0, 0, 3, 3));
}

TEST_F(CanvasShapes, DisabledColorIsOneThirdTextTwoThirdsBackground) {
  canvas->SetTextColor(ZQR_Color_Black);
  canvas->SetBackgroundColor(ZQR_Color(192, 192, 192));
  EXPECT_EQ(canvas->GetDisabledTextColor(), ZQR_Color(128, 128, 128));
  canvas->SetTextColor(ZQR_Color(255, 0, 10));
  canvas->SetBackgroundColor(ZQR_Color(0, 100, 0));
  EXPECT_EQ(canvas->GetDisabledTextColor(), ZQR_Color(85, 66, 3));
}

}  // namespace
