#include <gtest/gtest.h>

#include "FixedAdvanceCanvas.h"
#include "ZQFO_Cache.h"
#include "ZQFO_RenderObject.h"
#include "ZQFO_StandardColorKeys.h"
#include "ZQF_Metrics.h"
#include "ZQIMGIO.h"
#include "ZQPIC_CanvasSectionCanvas.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"

namespace {

// Options over the fixed-advance canvas: 10 points, so characters 2 mm wide
// and the font 5 mm high; background blue.
ZQFO_FormattingOptions FixedOptions(FixedLayout& Layout, long Justification = 0,
                                    const ZQR_Color& Text = ZQR_Color_Black) {
  LayoutOn::Settings settings;
  settings.Justification = Justification;
  settings.TextColor = Text;
  return Layout.Options(settings);
}

// Notes the canvas and colours its early layout and drawing were given.
class EarlyLayoutPicture : public ZQPIC_Picture, public ZQFO_Picture_EarlyLayoutInterface {
 public:
  void EarlyLayout(ZQPIC_Canvas& Canvas, const ZQ_Rectangle<double>& Rectangle) const override {
    ++NumLayouts;
    IsSection = dynamic_cast<ZQPIC_CanvasSectionCanvas*>(&Canvas) != nullptr;
    Background = Canvas.GetGraphicsState().BackgroundColor;
    Drawing = Canvas.GetGraphicsState().DrawingColor;
    Box = Rectangle;
  }
  mutable long NumLayouts = 0, NumDraws = 0;
  mutable bool IsSection = false;
  mutable ZQR_Color Background, Drawing;
  mutable ZQ_Rectangle<double> Box;

 protected:
  void Imp_DrawPicture(ZQPIC_Canvas& Canvas) const override {
    ++NumDraws;
    Drawing = Canvas.GetGraphicsState().DrawingColor;
  }
};

}  // namespace

TEST(ZQFO_StandardColorKeys, KeysAreFixedAndAMetricSizedRectangleIsLargeEnough) {
  ZQR_Color background, text;
  ZQFO_GetStandardBackgroundColorKey(background);
  ZQFO_GetStandardTextColorKey(text);
  EXPECT_EQ(background, ZQR_Color(255, 192, 255));
  EXPECT_EQ(text, ZQR_Color(64, 0, 64));
  const ZQ_Point<long> m = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px);
  const struct {
    const char* why;
    ZQ_Rectangle<long> r;
    bool isTooSmall;
  } cases[] = {
      {"exactly the metric", {3, 4, m.X, m.Y}, false},
      {"one pixel narrower", {0, 0, m.X - 1, m.Y}, true},
      {"one pixel lower", {0, 0, m.X, m.Y - 1}, true},
      {"larger", {0, 0, m.X + 50, m.Y + 50}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQFO_IsRectangleTooSmallToDisplay(c.r), c.isTooSmall);
  }
}

TEST(ZQFO_RenderObject, TextSitsAtTheTopLeftOfItsBoxAndPageNumbersAreJustifiedInside) {
  FixedLayout layout;
  FixedAdvanceCanvas& canvas = layout.Canvas;
  const struct {
    const char* why;
    long justification;
    double left;  // of the drawn "12", box at x 10 (area 50) and 10 mm wide
  } cases[] = {
      {"left", 0, 60}, {"full as left", 3, 60}, {"centre", 1, 63}, {"right ends at the box's edge", 2, 66},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    canvas.Log.clear();
    canvas.SetHorizontalJustification(0);
    ZQFO_RenderObject_Text_PageRefFixup number(FixedOptions(layout, c.justification), 10, 5, 10, 5, "p");
    number.SetText("12");
    number.Render(canvas, 50, 100);
    ASSERT_EQ(canvas.Log.size(), 1u);
    EXPECT_DOUBLE_EQ(canvas.Log[0].Box.X, c.left);
    EXPECT_DOUBLE_EQ(canvas.Log[0].Box.Y, 110);  // top of the box: 100 + 5 + font height 5
    EXPECT_EQ(canvas.GetHorizontalJustification(), 0);
  }
  ZQFO_RenderObject_Text_PageRefFixup bad(FixedOptions(layout, 0), 0, 0, 10, 5, "p");
  const_cast<ZQFO_FormattingOptions::OptionsRef1Type&>(bad.Options.GetOptions()).LineJustification = 4;
  EXPECT_THROW(bad.Render(canvas, 0, 0), ZQ_Exception);

  canvas.Log.clear();
  ZQFO_RenderObject_Text word(FixedOptions(layout, 0, ZQR_Color(0, 128, 0)), 3, 4, 6, 5, "abc");
  word.Render(canvas, 1, 2);
  ASSERT_EQ(canvas.Log.size(), 1u);
  EXPECT_DOUBLE_EQ(canvas.Log[0].Box.X, 4);
  EXPECT_DOUBLE_EQ(canvas.Log[0].Box.Y, 11);
  EXPECT_EQ(canvas.Log[0].Color, ZQR_Color(0, 128, 0));
}

TEST(ZQFO_RenderObject, OnlyTextCollectsWordsAndTheArrayGrows) {
  FixedLayout layout;
  const ZQFO_FormattingOptions options = FixedOptions(layout);
  ZQFO_RenderObject_Text word(options, 1, 2, 5, 5, "w");
  ZQFO_RenderObject_Text_PageRefFixup number(options, 1, 2, 5, 5, "t");
  ZQFO_RenderObject_Error error(options, 1, 2, 5, 5);
  ZQ_Array<ZQFO_WordInfo> words;
  long count = 0;
  word.CollectWordInfo(words, count, 10, 20);
  EXPECT_EQ(words.GetNumElements(), 2);  // max(2 x 0, 2 x 0 + 2)
  for (int i = 0; i < 2; ++i) word.CollectWordInfo(words, count, 0, 0);
  EXPECT_EQ(words.GetNumElements(), 6);  // full at 2: max(4, 6)
  number.CollectWordInfo(words, count, 0, 0);
  error.CollectWordInfo(words, count, 0, 0);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(words[0].Text, ZQ_String("w"));
  EXPECT_DOUBLE_EQ(words[0].X, 11);
  EXPECT_DOUBLE_EQ(words[0].Y, 22);
}

TEST(ZQFO_RenderObject, LinesMoveByTheAreaOnlyAndRestoreTheEndCap) {
  FixedLayout layout;
  FixedAdvanceCanvas& canvas = layout.Canvas;
  ZQCG_Line underline(2);
  underline.AddPoint({0, 0.1});
  underline.AddPoint({8, 0.1});
  ZQFO_RenderObject_Line line(FixedOptions(layout), 30, 40, 8, 1, underline, 0.2, ZQR_Color(255, 0, 0));
  canvas.SetLineEndcapStyle(1);
  line.Render(canvas, 50, 100);
  ASSERT_EQ(canvas.Log.size(), 1u);
  EXPECT_DOUBLE_EQ(canvas.Log[0].Box.X, 50);
  EXPECT_DOUBLE_EQ(canvas.Log[0].Box.Y, 100.1);
  EXPECT_EQ(canvas.Log[0].Endcap, 2);
  EXPECT_EQ(canvas.Log[0].Color, ZQR_Color(255, 0, 0));
  EXPECT_EQ(canvas.GetLineEndcapStyle(), 1);
}

TEST(ZQFO_RenderObject, TheBaseIsACrossedBoxAndTheErrorBoxCentresItsImage) {
  FixedLayout layout;
  FixedAdvanceCanvas& canvas = layout.Canvas;
  ZQFO_RenderObject base(FixedOptions(layout), 2, 3, 10, 6);
  base.Render(canvas, 1, 1);
  ASSERT_EQ(canvas.Log.size(), 3u);
  const double diagonals[2][2] = {{3, 4}, {3, 4}};
  for (int i = 0; i < 2; ++i) {
    EXPECT_DOUBLE_EQ(canvas.Log[i].Box.X, diagonals[i][0]);
    EXPECT_DOUBLE_EQ(canvas.Log[i].Box.Y, diagonals[i][1]);
    EXPECT_DOUBLE_EQ(canvas.Log[i].Box.Width, 10);
  }
  EXPECT_DOUBLE_EQ(canvas.Log[2].Box.X, 4);  // 1 mm inside
  EXPECT_DOUBLE_EQ(canvas.Log[2].Box.Width, 8);
  EXPECT_DOUBLE_EQ(canvas.Log[2].Box.Height, 4);
  canvas.Log.clear();
  ZQFO_RenderObject tiny(FixedOptions(layout), 0, 0, 1, 1);
  tiny.Render(canvas, 0, 0);
  EXPECT_DOUBLE_EQ(canvas.Log[2].Box.Width, 0);  // never below zero

  canvas.Log.clear();
  canvas.SetHorizontalJustification(2);
  ZQFO_RenderObject_Error error(FixedOptions(layout, 0, ZQR_Color(0, 0, 255)), 0, 0, 20, 20);
  error.Render(canvas, 0, 0);
  ASSERT_EQ(canvas.Log.size(), 2u);
  EXPECT_NEAR(canvas.Log[0].Box.X, 0.11, 1e-12);
  EXPECT_EQ(canvas.Log[0].Color, ZQR_Color(0, 0, 255));
  EXPECT_EQ(canvas.Log[1].Kind, "image");
  EXPECT_NEAR(canvas.Log[1].Box.X + canvas.Log[1].Box.Width / 2, 10, 0.25);
  EXPECT_EQ(canvas.GetHorizontalJustification(), 2);  // the state popped
}

TEST(ZQFO_RenderObject, ImagesFillTheirBoxAndPicturesLayOutOnceInASection) {
  FixedLayout layout;
  FixedAdvanceCanvas& canvas = layout.Canvas;
  ZQFO_RenderObject_Img image(FixedOptions(layout), 4, 6, 20, 10, ZQ_CountedPtr<ZQFO_Cache>(new ZQFO_Cache),
                              TemporaryImageURI(ZQIMG_Image(40, 20, 24), "ZQFO_RenderObjectTest.png"), ZQ_Point<long>(0, 0), ZQIMG_ColorTransformation());
  image.Render(canvas, 1, 1);
  ASSERT_EQ(canvas.Log.size(), 1u);
  EXPECT_DOUBLE_EQ(canvas.Log[0].Box.X, 5);
  EXPECT_DOUBLE_EQ(canvas.Log[0].Box.Y, 17);  // the box's bottom edge at 7
  EXPECT_DOUBLE_EQ(canvas.Log[0].Box.Width, 20);
  EXPECT_EQ(canvas.GetVerticalJustification(), 0);

  auto* picture = new EarlyLayoutPicture;
  const ZQ_CountedPtr<const ZQPIC_Picture> shared(picture);
  ZQFO_RenderObject_Picture drawn(FixedOptions(layout, 0, ZQR_Color(0, 128, 0)), 2, 3, 10, 5, shared, canvas);
  EXPECT_EQ(picture->NumLayouts, 1);
  EXPECT_TRUE(picture->IsSection);
  EXPECT_EQ(picture->Background, ZQR_Color(0, 0, 255));
  EXPECT_EQ(picture->Drawing, ZQR_Color(0, 128, 0));
  EXPECT_DOUBLE_EQ(picture->Box.Width, 10);
  drawn.Render(canvas, 0, 0);
  drawn.Render(canvas, 0, 0);
  EXPECT_EQ(picture->NumLayouts, 1);
  EXPECT_EQ(picture->NumDraws, 2);
  ZQFO_RenderObject_Picture missing(FixedOptions(layout), 0, 0, 1, 1, ZQ_CountedPtr<const ZQPIC_Picture>(), canvas);
  EXPECT_THROW(missing.Render(canvas, 0, 0), ZQ_Exception);
}
