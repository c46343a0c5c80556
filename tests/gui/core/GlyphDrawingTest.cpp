#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../../support/DebugLogMark.h"
#include "DrawingTestSupport.h"
#include "ZQF_Canvas.h"
#include "ZQF_MessageBoxLink.h"
#include "ZQF_Metrics.h"
#include "ZQF_NullDrawableGlyph.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_TopLevelGlyph.h"

namespace {

const ZQR_Color kRed(255, 0, 0);
const ZQR_Color kGreen(0, 160, 0);

// Fills its box with its colour (none: draws nothing), after clipping as
// told, and notes the focus-path flag it was drawn with.
class PaintGlyph : public ZQF_DrawableGlyph {
 public:
  PaintGlyph(long X, long Y, long Width, long Height, bool HasColor = false,
             ZQR_Color Color = ZQR_Color())
      : HasColor(HasColor), Color(Color) {
    SetBoundingBox(ZQ_Rectangle<long>(X, Y, Width, Height));
  }
  PaintGlyph* Add(ZQF_Glyph* Child) {
    AddChild(Child, true);
    return this;
  }
  void DrawSelf(ZQF_Canvas& Canvas) override {
    ++NumDraws;
    FocusFlags.push_back(Canvas.IsOnFocusPath());
    if (ClipsSelfAndChildren) Clip(Canvas, Clip_SelfAndChildren);
    if (LeavesEmptyRegion) {
      Canvas.PushClippingRegion();
      Canvas.IntersectClippingRegion(0, 0, 0, 0, 1);
      Canvas.UseClippingRegion();
    }
    if (HasColor) Canvas.Fill(GetLocalBoundingBox(), Color);
  }

  bool HasColor;
  ZQR_Color Color;
  bool ClipsSelfAndChildren = false;
  bool LeavesEmptyRegion = false;
  int NumDraws = 0;
  std::vector<bool> FocusFlags;
};

class LayoutOnlyGlyph : public ZQF_OrganizationalGlyph {
 public:
  LayoutOnlyGlyph(long X, long Y, long Width, long Height) {
    SetBoundingBox(ZQ_Rectangle<long>(X, Y, Width, Height));
  }
};

class GlyphDrawing : public GuiStageTest {
 protected:
  void SetUp() override {
    GuiStageTest::SetUp();
    surface.reset(new DibSurface(40, 40));
    canvas.reset(new ZQF_Canvas(surface->GetHDC(), surface->NewWholeRegion(), true));
  }
  void TearDown() override {
    canvas.reset();
    surface.reset();
    GuiStageTest::TearDown();
  }
  ZQR_Color At(long X, long Y) const { return surface->GetPixel(X, Y); }

  std::unique_ptr<DibSurface> surface;
  std::unique_ptr<ZQF_Canvas> canvas;
};

TEST_F(GlyphDrawing, ClippingStackAndItsResults) {
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { canvas->PopClippingRegion(); }), "N > 0"));
  canvas->PushClippingRegion();
  EXPECT_EQ(canvas->GetClippingRegionDepth(), 1);
  canvas->SetOrigin(ZQ_Point<long>(5, 5));
  EXPECT_TRUE(canvas->IntersectClippingRegion(0, 0, 10, 10, 1));
  EXPECT_EQ(canvas->GetSmallestRectEnclosingClippingRegion(0), ZQ_Rectangle<long>(5, 5, 10, 10));
  EXPECT_EQ(canvas->GetSmallestRectEnclosingClippingRegion(1), ZQ_Rectangle<long>(0, 0, 10, 10));
  EXPECT_TRUE(canvas->ExcludeClippingRegion(5, 5, 5, 10, 0));
  EXPECT_TRUE(canvas->IsVisible(0, 0, 40, 40, 0));  // not yet selected
  canvas->UseClippingRegion();
  EXPECT_FALSE(canvas->IsVisible(0, 0, 5, 5, 0));
  EXPECT_TRUE(canvas->IsVisible(10, 5, 5, 5, 0));
  canvas->PushClippingRegion();
  EXPECT_FALSE(canvas->IntersectClippingRegion(30, 30, 5, 5, 0));
  canvas->PopClippingRegion();
  EXPECT_FALSE(canvas->ExcludeClippingRegion(-40000, -40000, 80000, 80000, 0));
  canvas->PopClippingRegion();
  EXPECT_FALSE(canvas->IsVisible(0, 0, 5, 5, 0));  // popping does not select
  canvas->UseClippingRegion();
  EXPECT_TRUE(canvas->IsVisible(0, 0, 5, 5, 0));
  EXPECT_EQ(canvas->GetClippingRegionDepth(), 0);
  canvas->SetClippingRegionOffset(-20, 0);
  canvas->UseClippingRegion();
  EXPECT_FALSE(canvas->IsVisible(25, 0, 10, 10, 0));
}

TEST_F(GlyphDrawing, GlyphOutsideTheClippingDrawsNothing) {
  PaintGlyph outside(50, 5, 10, 10, true, kRed);
  outside.Draw(*canvas);
  EXPECT_EQ(outside.NumDraws, 0);
  PaintGlyph inside(5, 5, 10, 10, true, kRed);
  inside.Draw(*canvas);
  EXPECT_EQ(surface->GetInkBox(), ZQ_Rectangle<long>(5, 5, 10, 10));
  EXPECT_EQ(canvas->GetClippingRegionDepth(), 0);
}

TEST_F(GlyphDrawing, ClippingLeftByDrawSelfDoesNotReachTheChildren) {
  PaintGlyph* child = new PaintGlyph(10, 10, 5, 5, true, kGreen);
  PaintGlyph parent(0, 0, 30, 30, true, kRed);
  parent.Add(child);
  parent.LeavesEmptyRegion = true;
  parent.Draw(*canvas);
  EXPECT_EQ(At(12, 12), kGreen);
  EXPECT_EQ(At(2, 2), ZQR_Color_White);
  EXPECT_EQ(canvas->GetClippingRegionDepth(), 0);
}

TEST_F(GlyphDrawing, DrawableGlyphsBelowLayoutOnlyOnesAreExcludedWithinIt) {
  LayoutOnlyGlyph* layout = new LayoutOnlyGlyph(10, 10, 10, 10);
  layout->AddChild(new PaintGlyph(15, 15, 10, 10), true);  // draws nothing
  PaintGlyph parent(0, 0, 30, 30, true, kRed);
  parent.Add(layout);
  parent.ClipsSelfAndChildren = true;
  parent.Draw(*canvas);
  EXPECT_EQ(At(17, 17), ZQR_Color_White);  // the grandchild's part within the layout glyph
  EXPECT_EQ(At(22, 22), kRed);             // outside the narrowed limit
  EXPECT_EQ(At(12, 12), kRed);             // the layout glyph itself is painted over
}

TEST_F(GlyphDrawing, ChildOutsideItsParentExcludesNothing) {
  PaintGlyph parent(0, 0, 20, 20);
  parent.Add(new PaintGlyph(30, 0, 10, 10))->Add(new PaintGlyph(15, 20, 10, 10));
  canvas->PushClippingRegion();
  EXPECT_TRUE(ZQF_Glyph::ExcludeDrawableChildren(&parent, *canvas, parent.GetBoundingBox()));
  canvas->UseClippingRegion();
  EXPECT_TRUE(canvas->IsVisible(30, 0, 10, 10, 0));
  EXPECT_TRUE(canvas->IsVisible(15, 20, 10, 10, 0));
  canvas->PopClippingRegion();
}

TEST_F(GlyphDrawing, FocusPathFlagFollowsTheFocusChildren) {
  PaintGlyph* focused = new PaintGlyph(0, 0, 10, 10);
  PaintGlyph* other = new PaintGlyph(10, 0, 10, 10);
  PaintGlyph* focusedChild = new PaintGlyph(0, 0, 5, 5);
  focused->Add(focusedChild);
  PaintGlyph parent(0, 0, 30, 30);
  parent.Add(focused)->Add(other);
  for (bool onPath : {true, false}) {
    SCOPED_TRACE(onPath);
    canvas->SetOnFocusPath(onPath);
    parent.Draw(*canvas);
    EXPECT_EQ(parent.FocusFlags.back(), onPath);
    EXPECT_EQ(focused->FocusFlags.back(), onPath);
    EXPECT_EQ(focusedChild->FocusFlags.back(), onPath);
    EXPECT_FALSE(other->FocusFlags.back());
    EXPECT_EQ(canvas->IsOnFocusPath(), onPath);
  }
}

TEST_F(GlyphDrawing, NullDrawableGlyphFillsWithTheControlBackground) {
  ZQF_TopLevelGlyph top(new ZQF_NullDrawableGlyph);
  top.ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 40, 40));
  top.ProcessWindowDraw(*canvas);
  EXPECT_EQ(surface->CountPixels(ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground)), 40 * 40);
}

// The draw-speed measurement draws for ten seconds.
TEST_F(GlyphDrawing, DrawSpeedRunReportsThreeLines) {
  static std::string s_shown;
  const ZQF_MessageBoxFunction saved = ZQF_MessageBoxLink_Register(
      [](const ZQ_String& Text, const ZQ_String&, int) { s_shown = Text.GetText(); });
  ZQF_TopLevelGlyph top(new PaintGlyph(0, 0, 10, 10, true, kRed));
  top.ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 40, 40));
  ZQF_Debug_TimeDrawingSpeedCommandMessage command;
  top.Dispatch(command);
  ASSERT_TRUE(top.IsDrawSpeedRequested());
  const LogMark mark;
  top.ProcessWindowDraw(*canvas);
  ZQF_MessageBoxLink_Register(saved);
  EXPECT_FALSE(top.IsDrawSpeedRequested());
  double seconds = 0, hertz = 0;
  long count = 0;
  char s[4] = {}, hz[4] = {};
  ASSERT_EQ(std::sscanf(s_shown.c_str(),
                        "Total time = %lf %3s\nNumber of times drawn = %ld\nDraw speed = %lf %3s",
                        &seconds, s, &count, &hertz, hz), 5)
      << s_shown;
  EXPECT_STREQ(s, "s");
  EXPECT_STREQ(hz, "Hz");
  EXPECT_GE(seconds, 10.0);
  EXPECT_GT(count, 0);
  EXPECT_NEAR(hertz, count / seconds, hertz * 0.01);
  EXPECT_NE(mark.Since().find(s_shown), std::string::npos);
}

}  // namespace
