// The document renderer: page sizes for every sentinel, the failed state and
// its error picture, margins and the text-export font.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ZQFO_DocumentRenderer.h"
#include "ZQFO_ErrorImage.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "model/LayoutTestSupport.h"

namespace {

ZQFO_Document MakeDocument(const std::string& Markup) {
  ZQFO_DocumentStream stream;
  stream << Markup.c_str();
  return stream.GetDocument();
}

const std::string kTwoSections =
    "<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para>Shade and water</zqfo_para>"
    "</zqfo_blockstream></zqfo_section><zqfo_section><zqfo_blockstream><zqfo_para>Rest hourly</zqfo_para>"
    "<zqfo_para>Watch the index</zqfo_para></zqfo_blockstream></zqfo_section></zqfo_document>";

// Throws from font realisation once armed, as a failing layout would.
class ThrowingCanvas : public TestCanvas {
 public:
  bool IsArmed = false;

 protected:
  void Imp_RealiseFont(ZQPIC_GraphicsState& State) override {
    if (IsArmed) throw ZQ_Exception("Broken font", "The test canvas refused the font.");
    TestCanvas::Imp_RealiseFont(State);
  }
};

// The first word of the laid-out document.
ZQFO_WordInfo FirstWord(const ZQFO_DocumentRenderer& Renderer) {
  ZQ_Array<ZQFO_WordInfo> words;
  long count = 0;
  Renderer.CollectWordInfo(words, count);
  EXPECT_GT(count, 0);
  return count > 0 ? words[0] : ZQFO_WordInfo();
}

}  // namespace

TEST(ZQFO_DocumentRenderer, PageSizesFollowTheSentinelsAndMargins) {
  TestLayout layout;  // measures the sections on the same kind of canvas
  const ZQFO_ParsedDocument parsed = Parse(layout, kTwoSections);
  const ZQFO_BlockStream first = parsed.GetSections()[0].GetPrimaryBlockStream();
  const ZQFO_BlockStream second = parsed.GetSections()[1].GetPrimaryBlockStream();
  const double widest = std::max(first.ComputeDistributionAreaWidthLimits().X,
                                 second.ComputeDistributionAreaWidthLimits().X);
  const double contentHeight = first.ComputeDistributionAreaHeightLimits(100, false, true).X +
                               second.ComputeDistributionAreaHeightLimits(100, true, false).X;
  const struct {
    const char* why;
    double width, height;
    double wantWidth, wantHeight;
    long wantPages;
  } kCases[] = {
      {"fixed pages: each section starts a page", 120, 200, 120, 200, 2},
      {"continuous: sections one after the other, 1e-6 mm taller", 120, -3, 120, contentHeight + 13 + 0.000001, 1},
      {"narrowest width: widest word plus margins plus 0.01", -2, 200, widest + 20 + 0.01, 200, 2},
      {"canvas size both ways", -1, -1, 50, 25, -1},
  };
  TestCanvas canvas;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQFO_DocumentRenderer renderer(MakeDocument(kTwoSections));
    renderer.SetMargins(10, 10, 8, 5);
    renderer.Repaginate(canvas, c.width, c.height);
    EXPECT_FALSE(renderer.GetNeedsRepagination());
    EXPECT_NEAR(renderer.GetPageWidth(), c.wantWidth, 1e-9);
    EXPECT_NEAR(renderer.GetPageHeight(), c.wantHeight, 1e-9);
    if (c.wantPages > 0) {
      EXPECT_EQ(renderer.GetNumPages(), c.wantPages);
    }
    EXPECT_NEAR(renderer.GetMinimumPageWidth(), widest + 20 + 0.01, 1e-9);
  }
}

TEST(ZQFO_DocumentRenderer, BadSizesFailTheirAssertionAndChangeNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* why;
    double width, height;
    const char* text;
  } kCases[] = {
      {"zero width", 0, 100, "(SuggestedPageWidth > 0) or (SuggestedPageWidth == MinWidth)"},
      {"negative zero width", -0.0, 100, "(SuggestedPageWidth > 0) or (SuggestedPageWidth == MinWidth)"},
      {"continuous is no width", -3, 100, "(SuggestedPageWidth > 0) or (SuggestedPageWidth == MinWidth)"},
      {"NaN width", nan, 100, "(SuggestedPageWidth > 0) or (SuggestedPageWidth == MinWidth)"},
      {"infinite width", inf, 100, "(SuggestedPageWidth > 0) or (SuggestedPageWidth == MinWidth)"},
      {"narrowest is no height", 100, -2, "SuggestedPageHeight > 0"},
      {"negative height", 100, -0.5, "SuggestedPageHeight > 0"},
      {"minus infinite height", 100, -inf, "SuggestedPageHeight > 0"},
  };
  TestCanvas canvas;
  ZQFO_DocumentRenderer renderer(MakeDocument(kTwoSections));
  renderer.Repaginate(canvas, 120, 200);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    try {
      renderer.Repaginate(canvas, c.width, c.height);
      ADD_FAILURE() << "no assertion";
    } catch (const ZQ_Exception& e) {
      EXPECT_NE(std::string(e.GetName().GetText()).find(c.text), std::string::npos) << e.GetName().GetText();
    }
    ZQ_SetAssertionMode(0);
    renderer.Repaginate(canvas, c.width, c.height);
    ZQ_SetAssertionMode(3);
    EXPECT_EQ(renderer.GetPageSize(), ZQ_Point<double>(120, 200));
    EXPECT_FALSE(renderer.GetRepaginationFailed());
  }
  renderer.Repaginate(canvas, 1e308, 1e308);
  EXPECT_EQ(renderer.GetPageSize(), ZQ_Point<double>(1e7, 1e7));
  renderer.SetMargins(nan, -4, 1e308, 2);
  renderer.Repaginate(canvas, 120, 200);
  // NaN and -4 count as 0, 1e308 as the limit: a page that is all margin.
  EXPECT_EQ(renderer.GetPageSize(), ZQ_Point<double>(120, 1e7 + 2));
}

TEST(ZQFO_DocumentRenderer, QueriesBeforeTheFirstRepaginationFailTheirAssertion) {
  TestCanvas canvas;
  ZQFO_DocumentRenderer renderer(MakeDocument(kTwoSections));
  EXPECT_TRUE(renderer.GetNeedsRepagination());
  try {
    renderer.Render(canvas, 0, 0, 0);
    ADD_FAILURE() << "no assertion";
  } catch (const ZQ_Exception& e) {
    EXPECT_NE(std::string(e.GetName().GetText()).find("not NeedsRepagination"), std::string::npos);
  }
  EXPECT_THROW(renderer.GetNumPages(), ZQ_Exception);
}

TEST(ZQFO_DocumentRenderer, AFailedLayoutPassesItsExceptionOnAndShowsTheErrorPictureUntilANewDocument) {
  ThrowingCanvas canvas;
  ZQFO_DocumentRenderer renderer(MakeDocument(kTwoSections));
  canvas.IsArmed = true;
  EXPECT_THROW(renderer.Repaginate(canvas, 120, 200), ZQ_Exception);
  canvas.IsArmed = false;
  renderer.Repaginate(canvas, 120, 200);  // ignored: still failed
  EXPECT_TRUE(renderer.GetRepaginationFailed());
  EXPECT_EQ(renderer.GetNumPages(), 1);
  EXPECT_EQ(renderer.GetPageSize(), ZQ_Point<double>(100, 100));
  EXPECT_EQ(renderer.GetMaximumPageWidth(), 100);
  EXPECT_TRUE(renderer.GetLinkTargetAtPoint({1, 1}, 0).IsEmpty());
  long count = 0;
  ZQ_Array<ZQFO_WordInfo> words;
  renderer.CollectWordInfo(words, count);
  EXPECT_EQ(count, 0);

  // The picture lies centred on the 200 x 100 pixel canvas.
  renderer.Render(canvas, 0, 0, 0);
  const ZQIMG_Image& pixels = canvas.GetSurfaceImage();
  const ZQR_Color background = pixels.GetPixelColor(0, 0);
  long left = 200, right = -1, top = 100, bottom = -1;
  for (long y = 0; y < 100; ++y)
    for (long x = 0; x < 200; ++x)
      if (pixels.GetPixelColor(x, y) != background) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, left);
  EXPECT_NEAR(left + right, 199, 1);
  EXPECT_NEAR(top + bottom, 99, 1);
  EXPECT_LE(right - left + 1, ZQFO_GetErrorImage().GetWidth());

  renderer.SetDocument(MakeDocument(kTwoSections));
  EXPECT_FALSE(renderer.GetRepaginationFailed());
  renderer.Repaginate(canvas, 120, 200);
  EXPECT_EQ(renderer.GetNumPages(), 2);
}

TEST(ZQFO_DocumentRenderer, MarginsMoveTheFirstWordByTheLeftAndTopMargin) {
  TestCanvas canvas;
  ZQFO_DocumentRenderer renderer(MakeDocument(kTwoSections));
  renderer.Repaginate(canvas, 120, 200);
  const ZQFO_WordInfo plain = FirstWord(renderer);
  renderer.SetMargins(7, 4, 3, 2);
  renderer.Repaginate(canvas, 120, 200);
  const ZQFO_WordInfo moved = FirstWord(renderer);
  EXPECT_EQ(moved.Text, plain.Text);
  EXPECT_NEAR(moved.X - plain.X, 7, 1e-9);
  EXPECT_NEAR(moved.Y - plain.Y, -3, 1e-9);
}

TEST(ZQFO_DocumentRenderer, TextExportModeSetsEveryTextInCourierNewTen) {
  TestCanvas canvas;
  ZQFO_DocumentRenderer exported(MakeDocument(
      InSection("<zqfo_para font_family='sansserif' font_height='14 pt'>Heatwave</zqfo_para>")));
  exported.SetTextExportMode(true);
  exported.Repaginate(canvas, -2, 200);
  ZQFO_DocumentRenderer fixed(
      MakeDocument(InSection("<zqfo_para font_family='monospace' font_height='10 pt'>Heatwave</zqfo_para>")));
  fixed.Repaginate(canvas, -2, 200);
  ZQFO_DocumentRenderer plain(MakeDocument(
      InSection("<zqfo_para font_family='sansserif' font_height='14 pt'>Heatwave</zqfo_para>")));
  plain.Repaginate(canvas, -2, 200);
  EXPECT_DOUBLE_EQ(exported.GetMinimumPageWidth(), fixed.GetMinimumPageWidth());
  EXPECT_NE(plain.GetMinimumPageWidth(), fixed.GetMinimumPageWidth());
}
