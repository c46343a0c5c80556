// Page images: the adaptive factor, assertions, drawing counts and the cache,
// fallbacks after failures, and the pixels of a page at factors 1 and 3.
#include <gtest/gtest.h>

#include <array>

#include "../../foundation/AssertionTestSupport.h"
#include "../../gui/core/DrawingTestSupport.h"
#include "PrintTestSupport.h"
#include "ZQFO_DocumentRenderer.h"
#include "ZQFO_ImageDocumentRenderer.h"
#include "ZQIMGIO.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WIN_FakeCall.h"

namespace {

const ZQ_Point<long> kPagePx(210, 297);
const ZQ_Point<double> kPageMm(105, 148.5);

// The lightness of a pixel (0 black, 255 white).
int Lightness(const ZQIMG_Image& Image, long X, long Y) {
  const unsigned char* pixel = Image.GetRow(Y) + 3 * X;
  return (pixel[0] + pixel[1] + pixel[2]) / 3;
}

// How many pixels are dark (< 64), grey and white (> 235).
std::array<long, 3> Census(const ZQIMG_Image& Image) {
  std::array<long, 3> counts{};
  for (long y = 0; y < Image.GetHeight(); ++y)
    for (long x = 0; x < Image.GetWidth(); ++x) {
      const int light = Lightness(Image, x, y);
      ++counts[light < 64 ? 0 : light > 235 ? 2 : 1];
    }
  return counts;
}

}  // namespace

TEST(ZQFO_ImageDocumentRenderer, TheFactorFollowsTheTargetTimeWithinOneToFive) {
  const struct {
    double target, seconds;
    long factor, want;
    const char* why;
  } kCases[] = {
      {0.5, 2.0, 4, 2, "2 s at 4: 0.125 s a sample, sqrt(4) = 2"},
      {0.5, 0.0, 1, 5, "no measurable time: the upper clamp"},
      {0.001, 1e9, 3, 1, "far too slow: the lower clamp, the time held at 1e6 s"},
      {0.25, 0.25, 3, 3, "on target: the factor stays"},
      {0.25, 0.0625 * 2.25, 1, 1, "sqrt(1.78) = 1.33 rounds to 1"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQFO_ImageDocumentRenderer::ComputeOversampleFactor(c.target, c.seconds, c.factor), c.want);
  }
}

TEST(ZQFO_ImageDocumentRenderer, FactorsAndPagesOutOfRangeFailTheirAssertions) {
  const char* const kFactor = "(0 < aOversampleFactor) and (aOversampleFactor < 256)";
  ZQFO_ImageDocumentRenderer renderer(PagesDocument(2), kPagePx, kPageMm, 1);
  const struct {
    std::function<void()> statement;
    const char* condition;
  } kCases[] = {
      {[] { ZQFO_ImageDocumentRenderer(PagesDocument(1), kPagePx, kPageMm, 0); }, kFactor},
      {[] { ZQFO_ImageDocumentRenderer(PagesDocument(1), kPagePx, kPageMm, 256); }, kFactor},
      {[&] { renderer.SetOversampleFactor(0); }, kFactor},
      {[&] { renderer.GetPageImage(2); }, "0 <= PageIndex and PageIndex < GetNumPages()"},
      {[&] { renderer.GetPageImage(-1); }, "0 <= PageIndex and PageIndex < GetNumPages()"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.condition);
    EXPECT_TRUE(FailedOn(AssertionFailureOf(c.statement), c.condition));
  }
  EXPECT_FALSE(renderer.IsFailed());
}

TEST(ZQFO_ImageDocumentRenderer, OnlyACachedBitmapIsDrawnOnce) {
  const struct {
    bool cache;
    std::function<void(ZQFO_ImageDocumentRenderer&)> between;
    long wantDrawn;
    const char* why;
  } kCases[] = {
      {true, [](ZQFO_ImageDocumentRenderer&) {}, 1, "a cached bitmap is drawn once"},
      {false, [](ZQFO_ImageDocumentRenderer&) {}, 2, "without the cache, twice"},
      {true, [](ZQFO_ImageDocumentRenderer& r) { r.SetTargetRenderTime(0.5); }, 1, "a target time keeps the cache"},
      {true, [](ZQFO_ImageDocumentRenderer& r) { r.SetCanvasDestination(1); }, 1, "so does the destination"},
      {true, [](ZQFO_ImageDocumentRenderer& r) { r.SetImageSizeInPixels({100, 140}); }, 2, "new pixels clear it"},
      {true, [](ZQFO_ImageDocumentRenderer& r) { r.SetImageSizeInMillimeters({50, 70}); }, 2, "so do millimetres"},
      {true, [](ZQFO_ImageDocumentRenderer& r) { r.SetOversampleFactor(2); }, 2, "and a new factor"},
      {true, [](ZQFO_ImageDocumentRenderer& r) { r.SetCacheBitmaps(false); }, 2, "switching the cache off empties it"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQFO_ImageDocumentRenderer renderer(PagesDocument(2), kPagePx, kPageMm, 1);
    renderer.SetCacheBitmaps(c.cache);
    renderer.GetPageBitmap(1, nullptr);
    c.between(renderer);
    renderer.GetPageBitmap(1, nullptr);
    EXPECT_EQ(renderer.GetNumImagesCreated(), c.wantDrawn);
  }
  ZQFO_ImageDocumentRenderer renderer(PagesDocument(2), kPagePx, kPageMm, 1);
  renderer.SetCacheBitmaps(true);
  renderer.GetPageImage(0);
  renderer.GetPageImage(0);
  EXPECT_EQ(renderer.GetNumImagesCreated(), 2) << "images are never cached";
}

TEST(ZQFO_ImageDocumentRenderer, FailuresFallBackRetryOnceAndThenDrawTinyImages) {
  const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
  {
    SCOPED_TRACE("no room for the oversampled image: drawn at factor 1");
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::CreateDIBSection> limited(
        [](HDC DC, const BITMAPINFO* Info, UINT Usage, VOID** Bits, HANDLE Section, DWORD Offset) -> HBITMAP {
          if (Info->bmiHeader.biWidth > kPagePx.X) return nullptr;
          return ::CreateDIBSection(DC, Info, Usage, Bits, Section, Offset);
        });
    ZQFO_ImageDocumentRenderer renderer(PagesDocument(1), kPagePx, kPageMm, 3);
    EXPECT_EQ(renderer.GetPageImage(0).GetSize(), kPagePx);
    EXPECT_EQ(renderer.GetOversampleFactor(), 1);
    EXPECT_EQ(renderer.GetNumImagesCreated(), 1);
  }
  {
    SCOPED_TRACE("a page that cannot be drawn: one retry, then failed for good");
    ZQFO_ImageDocumentRenderer renderer(PagesDocument(1), kPagePx, kPageMm, 1);
    EXPECT_EQ(renderer.GetNumPages(), 1);
    {
      const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::ExtTextOutA> broken(ZQLOW_WIN_Answer(FALSE, 87));
      EXPECT_THROW(renderer.GetPageImage(0), ZQ_Exception);
    }
    EXPECT_EQ(renderer.GetNumImagesCreated(), 2);
    EXPECT_TRUE(renderer.IsFailed());
    EXPECT_EQ(renderer.GetPageImage(0).GetSize(), ZQ_Point<long>(2, 2));
    EXPECT_EQ(renderer.GetPageBitmap(0, nullptr).GetSize(), ZQ_Point<long>(2, 2));
  }
  {
    SCOPED_TRACE("an owned renderer whose layout fails: passed on once, then the error picture");
    ZQFO_ImageDocumentRenderer renderer(PagesDocument(1), kPagePx, kPageMm, 1);
    {
      const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetTextExtentPoint32A> broken(ZQLOW_WIN_Answer(FALSE, 87));
      EXPECT_THROW(renderer.GetPageImage(0), ZQ_Exception);
    }
    EXPECT_EQ(renderer.GetPageImage(0).GetSize(), kPagePx);
    EXPECT_FALSE(renderer.IsFailed());
  }
}

// A page with text in its top-left corner: white paper, dark text, and grey
// smoothing only when oversampled. Saved for looking at.
TEST(ZQFO_ImageDocumentRenderer, PagesAreWhiteWithDarkTextSmoothedWhenOversampled) {
  ZQFO_DocumentStream stream;
  stream << "<zqfo_document><zqfo_section><zqfo_blockstream>"
            "<zqfo_para font_height='14' font_weight='bold'>Heat stress</zqfo_para>"
            "<zqfo_para>Drink water every twenty minutes and rest in the shade when the index is high.</zqfo_para>"
            "</zqfo_blockstream></zqfo_section></zqfo_document>";
  std::array<long, 3> census[2];
  for (long factor : {1L, 3L}) {
    SCOPED_TRACE("factor " + std::to_string(factor));
    ZQFO_ImageDocumentRenderer renderer(stream.GetDocument(), kPagePx, kPageMm, factor);
    const ZQIMG_Image image = renderer.GetPageImage(0);
    ASSERT_EQ(image.GetSize(), kPagePx);
    ZQIMGIO_SaveToFile_PNG(ZQ_FileName((ScreenshotFolder() + "\\page-image-factor" + std::to_string(factor) + ".png").c_str()),
                           image);
    const std::array<long, 3>& inked = census[factor == 1 ? 0 : 1] = Census(image);
    EXPECT_GT(inked[2], kPagePx.X * kPagePx.Y * 9 / 10) << "white paper";
    EXPECT_GT(inked[0], 20) << "dark text";
    EXPECT_EQ(Lightness(image, kPagePx.X - 1, kPagePx.Y - 1), 255);
    EXPECT_EQ(Lightness(image, kPagePx.X - 3, 3), 255) << "right of the heading";
  }
  // Wine smooths glyph edges itself; oversampling softens the strokes more:
  // fewer dark pixels for the grey ones.
  EXPECT_GT(census[1][1] * census[0][0], 2 * census[0][1] * census[1][0]);
}
