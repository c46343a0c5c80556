// The document renderer: page sizes for every sentinel, bad sizes, the
// failed state and its error picture, margins, the word widths kept across
// layouts. The text-export font is shown by the plain-text export's grid.
#include <gtest/gtest.h>

#include <functional>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "ZQFO_DocumentRenderer.h"
#include "ZQIMG_PNGEncoder.h"
#include "ZQ_StreamSource.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "layout/FixedAdvanceCanvas.h"
#include "model/LayoutTestSupport.h"

namespace {

ZQFO_Document MakeDocument(const std::string& Markup) {
  ZQFO_DocumentStream stream;
  stream << Markup.c_str();
  return stream.GetDocument();
}

const std::string kTwoSections = "<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para>Shade and water"
                                 "</zqfo_para></zqfo_blockstream></zqfo_section><zqfo_section><zqfo_blockstream>"
                                 "<zqfo_para>Rest hourly</zqfo_para></zqfo_blockstream></zqfo_section></zqfo_document>";

}  // namespace

TEST(ZQFO_DocumentRenderer, PageSizesFollowTheSentinelsAndMargins) {
  TestLayout layout;  // measures the sections on the same kind of canvas
  const ZQFO_ParsedDocument parsed = Parse(layout, kTwoSections);
  const ZQFO_BlockStream first = parsed.GetSections()[0].GetPrimaryBlockStream();
  const ZQFO_BlockStream second = parsed.GetSections()[1].GetPrimaryBlockStream();
  const double narrowest = std::max(first.ComputeDistributionAreaWidthLimits().X,
                                    second.ComputeDistributionAreaWidthLimits().X) + 20 + 0.01;
  const double tall = first.ComputeDistributionAreaHeightLimits(100, false, true).X +
                      second.ComputeDistributionAreaHeightLimits(100, true, false).X + 13 + 0.000001;
  const struct {
    const char* why;
    double width, height, wantWidth, wantHeight;
    long wantPages;
  } kCases[] = {
      {"fixed pages: each section starts a page", 120, 200, 120, 200, 2},
      {"continuous: sections one after the other, 1e-6 mm taller", 120, -3, 120, tall, 1},
      {"narrowest width: widest word, margins and 0.01", -2, 200, narrowest, 200, 2},
      {"canvas size both ways", -1, -1, 50, 25, 2},
      {"sizes above the limit are clamped", 1e308, 1e308, 1e7, 1e7, 2},
  };
  TestCanvas canvas;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQFO_DocumentRenderer renderer(MakeDocument(kTwoSections));
    renderer.SetMargins(10, 10, 8, 5);
    renderer.Repaginate(canvas, c.width, c.height);
    EXPECT_NEAR(renderer.GetPageWidth(), c.wantWidth, 1e-9);
    EXPECT_NEAR(renderer.GetPageHeight(), c.wantHeight, 1e-9);
    EXPECT_EQ(renderer.GetNumPages(), c.wantPages);
    EXPECT_NEAR(renderer.GetMinimumPageWidth(), narrowest, 1e-9);
  }
}

TEST(ZQFO_DocumentRenderer, BadSizesFailTheirAssertionAndChangeNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const char* const kWidth = "(SuggestedPageWidth > 0) or (SuggestedPageWidth == MinWidth)";
  const struct {
    double width, height;
    const char* text;
  } kCases[] = {{0, 100, kWidth}, {-0.0, 100, kWidth}, {-3, 100, kWidth}, {nan, 100, kWidth},
                {inf, 100, kWidth}, {100, -2, "SuggestedPageHeight > 0"}, {100, -0.5, "SuggestedPageHeight > 0"},
                {100, -inf, "SuggestedPageHeight > 0"}};
  TestCanvas canvas;
  ZQFO_DocumentRenderer renderer(MakeDocument(kTwoSections));
  EXPECT_THROW(renderer.Render(canvas, 0, 0, 0), ZQ_Exception);  // "not NeedsRepagination"
  renderer.Repaginate(canvas, 120, 200);
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
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
  }
  renderer.SetMargins(nan, -4, 1e308, 2);  // 0, 0, the limit, 2: a page all margin
  renderer.Repaginate(canvas, 120, 200);
  EXPECT_EQ(renderer.GetPageSize(), ZQ_Point<double>(120, 1e7 + 2));
}

TEST(ZQFO_DocumentRenderer, AFailedLayoutPassesItsExceptionOnAndShowsTheErrorPictureUntilANewDocument) {
  TestCanvas canvas;
  ZQFO_DocumentRenderer renderer(MakeDocument(kTwoSections));
  {
    const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);  // text measuring fails with an exception
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetTextExtentPoint32A> broken(ZQLOW_WIN_Answer(FALSE, 87));
    EXPECT_THROW(renderer.Repaginate(canvas, 120, 200), ZQ_Exception);
  }
  renderer.Repaginate(canvas, 120, 200);  // ignored: still failed
  EXPECT_EQ(renderer.GetNumPages(), 1);
  EXPECT_EQ(renderer.GetPageSize(), ZQ_Point<double>(100, 100));
  EXPECT_EQ(renderer.GetMaximumPageWidth(), 100);

  renderer.Render(canvas, 0, 0, 0);  // the picture, centred on 200 x 100 pixels
  const ZQIMG_Image& pixels = canvas.GetSurfaceImage();
  long left = 200, right = -1, top = 100, bottom = -1;
  for (long y = 0; y < 100; ++y)
    for (long x = 0; x < 200; ++x)
      if (pixels.GetPixelColor(x, y) != pixels.GetPixelColor(0, 0)) {
        left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, left);
  EXPECT_NEAR(left + right, 199, 1);
  EXPECT_NEAR(top + bottom, 99, 1);

  renderer.SetDocument(MakeDocument(kTwoSections));
  renderer.Repaginate(canvas, 120, 200);
  EXPECT_EQ(renderer.GetNumPages(), 2);
}

TEST(ZQFO_DocumentRenderer, MarginsMoveTheFirstWordByTheLeftAndTopMargin) {
  TestCanvas canvas;
  ZQFO_DocumentRenderer renderer(MakeDocument(kTwoSections));
  ZQ_Array<ZQFO_WordInfo> plain, moved;
  long numPlain = 0, numMoved = 0;
  renderer.Repaginate(canvas, 120, 200);
  renderer.CollectWordInfo(plain, numPlain);
  renderer.SetMargins(7, 4, 3, 2);
  renderer.Repaginate(canvas, 120, 200);
  renderer.CollectWordInfo(moved, numMoved);
  ASSERT_TRUE(numPlain > 0 && numMoved == numPlain);
  EXPECT_NEAR(moved[0].X - plain[0].X, 7, 1e-9);
  EXPECT_NEAR(moved[0].Y - plain[0].Y, -3, 1e-9);
}

namespace {

// One picture under "once:pic.png", counting how often it is read.
class ReadCountingScheme : public ZQ_URI_SchemeImp {
 public:
  ReadCountingScheme() : ZQ_URI_SchemeImp("once") {}
  ZQ_String GetSchemeName() const override { return "once"; }
  bool IsRecognized() const override { return true; }
  bool ResourceExists(const ZQ_URI&) const override { return true; }
  ZQ_SeekableStreamSource GetResourceStream(const ZQ_URI&) const override {
    ++NumReads;
    return ZQ_CreateStringStreamSource(ZQIMG_EncodePNG(ZQIMG_Image(30, 20, 24)));
  }
  mutable long NumReads = 0;
};

}  // namespace

TEST(ZQFO_DocumentRenderer, AnImageIsReadOnceOverThreeRepaginations) {
  ReadCountingScheme scheme;
  TestCanvas canvas;
  ZQFO_DocumentRenderer renderer(
      MakeDocument(InSection("<zqfo_para>Shade <zqfo_img src='once:pic.png'/></zqfo_para>")));
  for (double width : {120.0, 80.0, 160.0}) {
    renderer.Repaginate(canvas, width, ZQFO_DocumentRenderer::Continuous);
    renderer.Render(canvas, 0, 0, 0);
  }
  EXPECT_EQ(scheme.NumReads, 1);
}

TEST(ZQFO_DocumentRenderer, ScreenLayoutsMeasureWordsOnceUntilWhatMayChangeAWidthChanges) {
  FixedAdvanceCanvas screen(0), printer(1);
  const ZQFO_Document document = MakeDocument(kTwoSections);
  ZQFO_DocumentRenderer renderer(document);
  renderer.Repaginate(screen, 120, 200);
  ASSERT_GT(screen.NumMeasurements, 0);
  ZQFO_Stylesheet recoloured;
  recoloured.SetColor(0, ZQR_Color(10, 20, 30));
  struct Row {
    const char* why;
    std::function<void()> change;
    FixedAdvanceCanvas& canvas;
    bool measures;
  };
  const Row rows[] = {
      {"a relayout at another width", [] {}, screen, false},
      {"the same palette", [&] { renderer.SetStylesheet(ZQFO_Stylesheet()); }, screen, false},
      {"another palette", [&] { renderer.SetStylesheet(recoloured); }, screen, true},
      {"the text-export mode", [&] { renderer.SetTextExportMode(true); }, screen, true},
      {"a new document", [&] { renderer.SetDocument(document); }, screen, true},
      {"a printer", [] {}, printer, true},
      {"the printer again: it may stand for another", [] {}, printer, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const long before = row.canvas.NumMeasurements;
    row.change();
    renderer.Repaginate(row.canvas, 80, 200);
    EXPECT_EQ(row.canvas.NumMeasurements > before, row.measures);
  }
}

// Split pieces are ranges of the table's shared rows: at every page size
// each row is laid out exactly once.
TEST(ZQFO_DocumentRenderer, ATableSplitOverPagesLaysOutEachRowOnce) {
  std::string rows;
  for (int r = 0; r < 40; ++r) {
    const std::string words = r % 3 ? "rest" : "rest in the shade and drink a cup of water";
    rows += "<zqfo_row><zqfo_flowcell cell_border_thickness='0.5 mm'>" + std::to_string(r) +
            "</zqfo_flowcell><zqfo_flowcell>" + words + "</zqfo_flowcell></zqfo_row>";
  }
  const ZQFO_Document document = MakeDocument(InSection("<zqfo_table>" + rows + "</zqfo_table>"));
  TestCanvas canvas;
  ZQFO_DocumentRenderer renderer(document);
  for (const ZQ_Point<double> size : {ZQ_Point<double>(100, 40), ZQ_Point<double>(120, 60), ZQ_Point<double>(100, 40)}) {
    SCOPED_TRACE(std::to_string(size.X) + " x " + std::to_string(size.Y));
    renderer.Repaginate(canvas, size.X, size.Y);
    EXPECT_GT(renderer.GetNumPages(), 2);
    for (long page = 0; page < renderer.GetNumPages(); ++page) renderer.Render(canvas, page, 0, 0);
    ZQ_Array<ZQFO_WordInfo> words;
    long count = 0;
    renderer.CollectWordInfo(words, count);
    std::vector<int> numbers;
    for (long i = 0; i < count; ++i)
      if (std::isdigit(static_cast<unsigned char>(words[i].Text[0]))) numbers.push_back(std::atoi(words[i].Text.GetText()));
    std::sort(numbers.begin(), numbers.end());
    std::vector<int> expected(40);
    for (int r = 0; r < 40; ++r) expected[r] = r;
    EXPECT_EQ(numbers, expected);
  }
}
