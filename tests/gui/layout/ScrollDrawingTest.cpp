// Offscreen drawing of scroll bars and scrolling containers in distinct
// system colours: the trough brushes while paging, the slider's raised
// border, a disabled bar, and a container's gaps, border and corner.
#include <gtest/gtest.h>

#include "../core/DrawingTestSupport.h"
#include "LayoutTestSupport.h"
#include "ScrollBarTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"

namespace {

using ScrollDrawing = DistinctColorsStageTest;
using R = ZQ_Rectangle<long>;

ZQR_Color Metric(int Key) { return ZQF_GetColorMetric(Key); }

void DrawInto(ZQF_Glyph& Glyph, DibSurface& Surface) {
  ZQF_Canvas canvas(Surface.GetHDC(), Surface.NewWholeRegion(), false);
  Glyph.Draw(canvas);
}

// "face" when every pixel of Area is colour 7, "light" when it shows the
// light checkerboard (colours 7 and 6), "dark" for the dark one (3 and 4),
// else "mixed".
std::string Checkerboard(const DibSurface& Surface, const R& Area) {
  bool face = true, light = true, dark = true;
  for (long y = Area.Y; y < Area.Y + Area.Height; ++y) {
    for (long x = Area.X; x < Area.X + Area.Width; ++x) {
      const ZQR_Color c = Surface.GetPixel(x, y);
      face = face && c == Metric(7);
      light = light && (c == Metric(7) || c == Metric(6));
      dark = dark && (c == Metric(3) || c == Metric(4));
    }
  }
  return face ? "face" : light ? "light" : dark ? "dark" : "mixed";
}

// The bar is 16 x 116 at (10, 10), position 40: backward trough 26-60,
// slider 60-77, forward trough 77-110 in surface coordinates.
TEST_F(ScrollDrawing, TroughsWhilePaging) {
  struct Case {
    const char* name;
    const char* press;  // "" none, "b" backward trough, "f" forward trough
    const char* backward;
    const char* forward;
  } cases[] = {
      {"at rest", "", "light", "light"},
      {"paging backward", "b", "dark", "light"},
      {"paging forward", "f", "light", "dark"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScrollBarRig rig(new ZQF_VerticalScrollBarGlyph(1000, 200, 1, 400, true), 16, 116);
    if (*c.press) rig.Mouse<ZQF_LeftDownMouseMessage>(8, *c.press == 'b' ? 20 : 90);
    // Paging moved the slider by a page: draw it back at 400.
    rig.Bar->SetSliderPosition(400, false);
    DibSurface surface(40, 140);
    DrawInto(*rig.Parent, surface);
    EXPECT_EQ(Checkerboard(surface, R(10, 26, 16, 34)), c.backward);
    EXPECT_EQ(Checkerboard(surface, R(10, 77, 16, 33)), c.forward);
    rig.Mouse<ZQF_LeftUpMouseMessage>(8, 20);
  }
}

TEST_F(ScrollDrawing, SliderAndDisabledBar) {
  for (bool enabled : {true, false}) {
    SCOPED_TRACE(enabled);
    ScrollBarRig rig(new ZQF_VerticalScrollBarGlyph(1000, 200, 1, 400, true), 16, 116);
    rig.Bar->SetEnabled(enabled);
    DibSurface surface(40, 140);
    DrawInto(*rig.Parent, surface);
    if (enabled) {
      // Raised: light top-left, dark bottom-right, the face inside.
      EXPECT_EQ(surface.GetPixel(10, 60), Metric(6));
      EXPECT_EQ(surface.GetPixel(25, 76), Metric(3));
      EXPECT_EQ(surface.GetPixel(18, 68), Metric(7));
    } else {
      // One sunken ring around troughs and slider, the face inside, no
      // checkerboard.
      EXPECT_EQ(surface.GetPixel(10, 26), Metric(4));
      EXPECT_EQ(surface.GetPixel(25, 109), Metric(6));
      EXPECT_EQ(Checkerboard(surface, R(11, 27, 14, 82)), "face");
    }
  }
}

// 200 x 150, border code 2, gaps (4, 3), both bars: the border around the
// view (0, 0, 180, 131), the gaps in the background colour, the corner in
// colour metric 32.
TEST_F(ScrollDrawing, ContainerGapsBorderAndCorner) {
  const ZQR_Color gap(255, 0, 0);
  ZQF_ScrollingContainerGlyph container(new SizedGlyph(300, 400), 0, 0, 2, 2, 2, 4, 3);
  container.SetBackgroundColor(ZQF_Color(gap));
  LayOut(container, Box(0, 0, 200, 150));
  DibSurface surface(200, 150);
  DrawInto(container, surface);
  struct Case {
    const char* name;
    long x, y;
    ZQR_Color color;
  } cases[] = {
      {"border, top left", 0, 0, Metric(4)},
      {"border, bottom right", 179, 130, Metric(6)},
      {"view", 90, 60, Metric(32)},
      {"vertical gap", 181, 60, gap},
      {"horizontal gap", 90, 132, gap},
      {"corner", 190, 140, Metric(32)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(surface.GetPixel(c.x, c.y), c.color);
  }
}

}  // namespace
