// The window border drawn offscreen in distinct system colours: edge, bands,
// margins and title bar in the active and the inactive look, the client's
// background only where no drawable child lies, and the grip's diagonals.
#include <gtest/gtest.h>

#include "../core/DrawingTestSupport.h"
#include "WindowBorderTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_GlueGlyphs.h"

namespace {

using WindowBorderDrawing = DistinctColorsStageTest;
using R = ZQ_Rectangle<long>;

ZQR_Color Metric(int Key) { return ZQF_GetColorMetric(Key); }

long CountIn(const DibSurface& S, const ZQR_Color& C, const R& Area) {
  long count = 0;
  for (long y = Area.Y; y < Area.Y + Area.Height; ++y)
    for (long x = Area.X; x < Area.X + Area.Width; ++x) count += S.GetPixel(x, y) == C;
  return count;
}

// 160 x 100, title bar 16 high (rows 4 to 19), gap rows 20 to 27, client
// (10, 28, 140, 62): a row whose left 40 pixels are a drawable glyph that
// paints nothing.
TEST_F(WindowBorderDrawing, EdgeBandsTitleBarAndClientInEitherLook) {
  const long W = 160, H = 100;
  const struct {
    bool onFocusPath;
    int frame, bar, text;  // colour metric keys
  } kCases[] = {{true, 0, 1, 2}, {false, 15, 16, 17}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.onFocusPath ? "active" : "inactive");
    TestBorderOptions* options = new TestBorderOptions;
    options->HeightOverride = 16;
    options->ClientColor = ZQR_Color(1, 2, 3);
    options->SetTitle("Options");
    ZQF_RowGlyph* client = new ZQF_RowGlyph;
    client->AddToRight(new SizedGlyph(40, 10, 40, 10, 40, 1000));
    client->AddToRight(new ZQF_HorizontalGlueGlyph());
    ZQF_WindowBorderGlyph border(client, options);
    LayOut(border, Box(0, 0, W, H));
    DibSurface surface(W, H);
    ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), c.onFocusPath);
    border.Draw(canvas);
    // Raised edge, frame band, face band, margins and gap.
    const struct {
      long x, y;
      int color;
    } kPixels[] = {{0, 50, 6},        {1, 50, 5},           {W - 1, 50, 3},   {W - 2, 50, 4},
                   {2, 50, c.frame},  {W - 3, 50, c.frame}, {80, 2, c.frame}, {3, 50, 32},
                   {5, 50, 32},       {80, 22, 32},         {80, H - 6, 32},  {5, 4, c.bar},
                   {5, 19, c.bar}};
    for (const auto& p : kPixels) {
      EXPECT_EQ(surface.GetPixel(p.x, p.y), Metric(p.color)) << p.x << ", " << p.y;
    }
    // The title at the left of the bar, cut nowhere near the buttons.
    EXPECT_GT(CountIn(surface, Metric(c.text), R(6, 5, 74, 14)), 20);
    EXPECT_EQ(CountIn(surface, Metric(c.text), R(80, 4, 40, 16)), 0);
    const R box = border.GetClient()->GetBoundingBox();
    ASSERT_EQ(box, R(10, 28, 140, 62));
    EXPECT_EQ(CountIn(surface, options->ClientColor, box), 100 * 62);
    EXPECT_EQ(CountIn(surface, ZQR_Color_White, box), 40 * 62);
  }
}

// The default grip is 7 x 7 with 3 groups of 4 diagonals: along its bottom
// row and right column, from the corner outwards, face, shadow, shadow,
// highlight three times, then the margin's face.
TEST_F(WindowBorderDrawing, SizeGripDiagonals) {
  TestBorderOptions* options = new TestBorderOptions;
  options->SetHasTitleBar(false);
  ZQF_WindowBorderGlyph border(new SizedGlyph(100, 50), options);
  LayOut(border, Box(0, 0, 120, 64));
  DibSurface surface(120, 64);
  ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
  border.Draw(canvas);
  const int kPattern[] = {32, 4, 4, 6};
  const long right = 116, bottom = 60;
  for (long k = 0; k <= 12; ++k) {
    SCOPED_TRACE(k);
    const ZQR_Color expected = Metric(k < 12 ? kPattern[k % 4] : 32);
    EXPECT_EQ(surface.GetPixel(right - k, bottom), expected);
    EXPECT_EQ(surface.GetPixel(right, bottom - k), expected);
  }
  EXPECT_EQ(surface.GetPixel(right - 1, bottom - 1), Metric(4));  // line 2 further in
  DibSurface empty(10, 10);
  ZQF_Canvas emptyCanvas(empty.GetHDC(), empty.NewWholeRegion(), false);
  ZQF_WindowBorderGlyph::DrawSizeDragHandle(emptyCanvas, *options, R(5, 5, 0, 0));
  EXPECT_EQ(empty.GetInkBox(), R());
}

}  // namespace
