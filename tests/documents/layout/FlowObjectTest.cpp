#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "FixedAdvanceCanvas.h"
#include "ZQFO_Block.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQFO_FlowObject.h"
#include "ZQFO_RenderObject.h"
#include "ZQFO_TextFixupDictionary.h"
#include "ZQIMGIO.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// A block whose heights are 1000 / width.
class HyperbolicBlock : public ZQFO_Block {
 public:
  using ZQFO_Block::ZQFO_Block;
  double Width = 1;

 protected:
  ZQ_Point<double> Imp_ComputeDistributionAreaHeightLimits() override { return {1000 / Width, 1000 / Width}; }
  void Imp_NoteNewDistributionAreaWidth(double NewWidth) override { Width = NewWidth; }
};

ZQFO_BoxSize Box(double MinX, double MinY, double MaxX, double MaxY, double Aspect) {
  ZQFO_BoxSize size;
  size.MinimumX = MinX, size.MinimumY = MinY, size.MaximumX = MaxX, size.MaximumY = MaxY, size.Aspect = Aspect;
  return size;
}

ZQ_URI WriteImage(long Width, long Height, const char* Name) {
  return TemporaryImageURI(ZQIMG_Image(Width, Height, 24), Name);
}

std::string Html(FixedLayout& Layout, ZQFO_FlowObject& Object, long Stage) {
  ZQ_String text;
  {
    ZQFO_ExportDocumentToHTML_ExportContext context(
        ZQ_CreateStringStreamSink(&text), Layout.Context,
        ZQ_FileName(ZQ_FileUtils::GetTemporaryDirectory() + "ZQFO Flow & 'quotes'.html"));
    Object.ExportToHTML(context, Stage);
  }
  return text.GetText();
}

}  // namespace

TEST(ZQFO_FlowObject, EachClassAnswersItsSlots) {
  FixedLayout layout;
  const ZQFO_FormattingOptions options = layout.Options();
  const ZQ_URI image = WriteImage(4, 4, "ZQFO_FlowSlots.png");
  const struct {
    const char* why;
    std::function<ZQFO_FlowObject*()> make;
    ZQ_Point<double> widths, heights;
    double ascent, descent;
  } cases[] = {
      {"base", [&] { return new ZQFO_FlowObject(layout.Context, options); }, {10, 10}, {7, 7}, 0.5, 0.3},
      {"text: 2 mm a character, height 5, (4 - 1) / 5, 1 / 5",
       [&] { return new ZQFO_FlowObject_Text(layout.Context, options, "abc"); }, {6, 6}, {5, 5}, 0.6, 0.2},
      {"page reference reserves MMMMM",
       [&] { return new ZQFO_FlowObject_PageRefFixupText(layout.Context, options, "t"); }, {10, 10}, {5, 5}, 0.6, 0.2},
      {"field text empty until fixed", [&] { return new ZQFO_FlowObject_FixupText(layout.Context, options, "Page"); },
       {0, 0}, {5, 5}, 0.6, 0.2},
      {"image: the box", [&] { return new ZQFO_FlowObject_Img(layout.Context, options, image, Box(2, 3, 20, 30, -1), false, ZQIMG_ColorTransformation()); },
       {2, 20}, {3, 30}, 0.667, 0},
      {"error: the box", [&] { return new ZQFO_FlowObject_Error(layout.Context, options, Box(2, 3, 20, 30, -1)); },
       {2, 20}, {3, 30}, 0.667, 0},
      {"picture: the box", [&] { return new ZQFO_FlowObject_Picture(layout.Context, options, {}, Box(2, 3, 20, 30, -1)); },
       {2, 20}, {3, 30}, 0.667, 0},
      {"space", [&] { return new ZQFO_FlowObject_Space(layout.Context, options, 3); }, {3, 3}, {0, 0}, 0.5, 0.3},
      {"block of the base class",
       [&] {
         return new ZQFO_FlowObject_Block(layout.Context, options,
                                          std::make_unique<ZQFO_Block>(layout.Context, options));
       },
       {10, 100}, {10, 999999999.0}, 0.667, 0},
      // Hostile values count as 0.
      {"a font 0 high has ratios 0", [&] { return new ZQFO_FlowObject_Text(layout.Context, layout.Options(0), "ab"); },
       {0, 0}, {0, 0}, 0, 0},
      {"space of NaN width", [&] { return new ZQFO_FlowObject_Space(layout.Context, options, kNaN); }, {0, 0}, {0, 0}, 0.5, 0.3},
      {"box below zero", [&] { return new ZQFO_FlowObject_Error(layout.Context, options, Box(-2, -3, -1, kNaN, kNaN)); },
       {0, 0}, {0, 0}, 0.667, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    std::unique_ptr<ZQFO_FlowObject> object(c.make());
    EXPECT_EQ(object->GetWidthLimits(-1), c.widths);
    EXPECT_EQ(object->GetHeightLimits(20, 20), c.heights);
    EXPECT_DOUBLE_EQ(object->GetAscentRatio(), c.ascent);
    EXPECT_DOUBLE_EQ(object->GetDescentRatio(), c.descent);
  }
  ZQFO_FormattingOptions bad = layout.Options();
  const_cast<ZQFO_FormattingOptions::OptionsRef1Type&>(bad.GetOptions()).WordBreakAfter = 3;
  EXPECT_THROW(ZQFO_FlowObject(layout.Context, bad), ZQ_Exception);
}

TEST(ZQFO_FlowObject, TrailingEscapementIsTheSmallerSpaceUnlessThereIsNone) {
  FixedLayout layout;
  const struct {
    const char* why;
    long kind;
    double ownPoints, nextPoints;  // 0: no next object
    double escapement;
  } cases[] = {
      {"kind 0", 0, 10, 10, 2},       {"kind 1", 1, 10, 10, 2},
      {"kind 2: none", 2, 10, 20, 0}, {"last object: its own space", 0, 20, 0, 4},
      {"larger next: the smaller", 0, 10, 20, 2}, {"smaller next: the smaller", 0, 20, 10, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ZQFO_FlowObject_Text word(layout.Context, layout.Options(c.ownPoints), "a");
    std::unique_ptr<ZQFO_FlowObject_Text> next;
    if (c.nextPoints > 0) word.Next = (next = std::make_unique<ZQFO_FlowObject_Text>(layout.Context, layout.Options(c.nextPoints), "b")).get();
    word.SpaceAfter = c.kind;
    EXPECT_DOUBLE_EQ(word.GetTrailingEscapement(), c.escapement);
  }
}

TEST(ZQFO_FlowObject, BoxesFollowTheirAspectAndImagesReduceOnlyBeyondOnePercent) {
  FixedLayout layout;  // 4 device pixels a millimetre
  ZQFO_FlowObject_Error keeps(layout.Context, layout.Options(), Box(2, 3, 20, 30, 2));
  EXPECT_EQ(keeps.GetWidthLimits(5), ZQ_Point<double>(10, 10));
  EXPECT_EQ(keeps.GetWidthLimits(-1), ZQ_Point<double>(2, 20));
  EXPECT_EQ(keeps.GetHeightLimits(8, 12), ZQ_Point<double>(4, 6));
  ZQFO_FlowObject_Error free(layout.Context, layout.Options(), Box(2, 3, 20, 30, -1));
  EXPECT_EQ(free.GetWidthLimits(5), ZQ_Point<double>(2, 20));

  ZQFO_FlowObject_Img image(layout.Context, layout.Options(), WriteImage(101, 10, "ZQFO_FlowReduce.png"),
                            Box(1, 1, 50, 50, -1), true, ZQIMG_ColorTransformation());
  const struct {
    const char* why;
    double widthMm, heightMm;
    ZQ_Point<long> px;
  } cases[] = {
      {"exactly 1 % larger: its own pixels", 25, 2.5, {0, 0}},
      {"just over 1 %: reduced", 24.75, 2.5, {99, 10}},
      {"at least one pixel", 0, 0, {1, 1}},
      {"a wide low box reduces the height only", 1000, 0.25, {101, 1}},
      {"a huge box never overflows", 1e300, 1e300, {0, 0}},
      {"NaN counts as nothing", kNaN, kNaN, {1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(image.GetDisplayedImageSizeInPixels(c.widthMm, c.heightMm), c.px);
  }
  ZQFO_FlowObject_Img whole(layout.Context, layout.Options(), WriteImage(101, 10, "ZQFO_FlowReduce.png"),
                            Box(1, 1, 50, 50, -1), false, ZQIMG_ColorTransformation());
  EXPECT_EQ(whole.GetDisplayedImageSizeInPixels(1, 1), ZQ_Point<long>(0, 0));
}

TEST(ZQFO_FlowObject, TextIsMeasuredOnceAndBlocksAskTheSecondWidthOnlyWhenItDiffers) {
  FixedLayout layout;
  ZQFO_FlowObject_FixupText field(layout.Context, layout.Options(), "Page");
  const long before = layout.Canvas.NumMeasurements;
  for (int i = 0; i < 4; ++i) field.GetWidthLimits(-1);
  EXPECT_EQ(layout.Canvas.NumMeasurements, before + 1);
  ZQFO_TextFixupDictionary dictionary;
  dictionary.Set("Page", "123");
  field.PerformFieldFixups(dictionary);
  EXPECT_EQ(field.GetWidthLimits(-1), ZQ_Point<double>(6, 6));
  EXPECT_EQ(layout.Canvas.NumMeasurements, before + 2);

  ZQFO_FlowObject_Block inline_(layout.Context, layout.Options(),
                                std::make_unique<HyperbolicBlock>(layout.Context, layout.Options()));
  EXPECT_EQ(inline_.GetHeightLimits(10, 10 + 1e-06), ZQ_Point<double>(100, 100));
  EXPECT_EQ(inline_.GetHeightLimits(10, 20), ZQ_Point<double>(100, 50));
}

TEST(ZQFO_FlowObject, ObjectsLeaveTheirRenderObjectsAndPageReferencesAreRegistered) {
  FixedLayout layout;
  ZQFO_ContentArea area(nullptr, 0, 0, 100, 50, 0);
  ZQFO_FlowObject_PageRefFixupText reference(layout.Context, layout.Options(), "target");
  reference.AddRenderObject(area, {1, 2, 10, 5});
  ZQFO_FlowObject_Block inline_(layout.Context, layout.Options(),
                                std::make_unique<ZQFO_Block>(layout.Context, layout.Options()));
  inline_.AddRenderObject(area, {20, 0, 30, 10});
  ASSERT_NE(area.RenderObjects, nullptr);
  EXPECT_EQ(layout.Context.PageRefFixups.GetNumElements(), 1);
  auto* number = dynamic_cast<ZQFO_RenderObject_Text_PageRefFixup*>(area.RenderObjects);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->GetTarget(), ZQ_String("target"));
  ASSERT_NE(area.FirstChild, nullptr);  // the block's portion
  EXPECT_DOUBLE_EQ(area.FirstChild->Area.Width, 30);
  EXPECT_DOUBLE_EQ(area.FirstChild->RenderObjects->Width, 30);
  EXPECT_DOUBLE_EQ(area.GetFreeWidth(), 100);
}

TEST(ZQFO_FlowObject, HtmlOfEachClassIsWrittenInStageOneOnly) {
  FixedLayout layout;
  FixedLayout::Settings symbol;
  symbol.Typeface = "Symbol";
  FixedLayout::Settings times;
  times.Typeface = "Times New Roman";
  const ZQ_URI image = WriteImage(8, 4, "ZQFO_FlowHtml.png");
  const struct {
    const char* why;
    std::function<ZQFO_FlowObject*()> make;
    std::string html;
  } cases[] = {
      {"text encoded", [&] { return new ZQFO_FlowObject_Text(layout.Context, layout.Options(), "a<b>&\"c\""); },
       "a&#60;b&#62;&#38;\"c\""},
      {"the symbol em dash", [&] { return new ZQFO_FlowObject_Text(layout.Context, layout.Options(symbol), "\xBE"); },
       "---\n"},
      {"three-quarters in a text font", [&] { return new ZQFO_FlowObject_Text(layout.Context, layout.Options(times), "\xBE"); },
       "&#190;"},
      {"page reference: nothing", [&] { return new ZQFO_FlowObject_PageRefFixupText(layout.Context, layout.Options(), "t"); }, ""},
      {"space", [&] { return new ZQFO_FlowObject_Space(layout.Context, layout.Options(), 3); }, "&nbsp;"},
      {"error placeholder at its display size",
       [&] { return new ZQFO_FlowObject_Error(layout.Context, layout.Options(), Box(10, 5, 10, 5, -1)); },
       "<img src=\"MissingImage.jpg\" width=\"40\" height=\"20\">"},
      {"image file named with its markup characters escaped",
       [&] { return new ZQFO_FlowObject_Img(layout.Context, layout.Options(), image, Box(2, 1, 2, 1, -1), false, ZQIMG_ColorTransformation()); },
       "<img src=\"ZQFO Flow &#38; 'quotes'_Image_1.png\" width=\"8\" height=\"4\">"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    std::unique_ptr<ZQFO_FlowObject> object(c.make());
    EXPECT_EQ(Html(layout, *object, 0), "");
    EXPECT_EQ(Html(layout, *object, 1), c.html);
  }
  ZQ_FileUtils::SafeDelete(ZQ_FileName(ZQ_FileUtils::GetTemporaryDirectory() + "ZQFO Flow & 'quotes'_Image_1.png"));
}
