#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQ_FileUtils.h"
#include "model/LayoutTestSupport.h"

namespace {

// Flat grey, or a smooth pattern with noise in its low bits (a photograph).
ZQIMG_Image Filled(long Width, long Height, bool IsNoise) {
  ZQIMG_Image image(Width, Height, 24);
  std::mt19937 random(7);
  for (long y = 0; y < Height; ++y) {
    unsigned char* row = image.GetRow24BitForWriting(y);
    for (long x = 0; x < 3 * Width; ++x)
      row[x] = IsNoise ? static_cast<unsigned char>(120 + 90 * std::sin(x / 9.0) * std::cos(y / 7.0) + random() % 24)
                       : 200;
  }
  return image;
}

}  // namespace

TEST(ZQFO_ExportDocumentToHTML_ExportContext, DisplaySizesKeepToTheLimitsAndTheExportsMaximum) {
  TestLayout layout;  // the test canvas: 4 pixels a millimetre
  ZQ_String sink;
  ZQFO_ExportDocumentToHTML_ExportContext context(ZQ_CreateStringStreamSink(&sink), layout.Context);
  EXPECT_EQ(context.GetMaximumImageWidth(), 212);
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* why;
    ZQFO_ExportImageLimits limits;
    ZQ_Point<double> mm;
    ZQ_Point<long> px;
  } cases[] = {
      {"above the maximum: 212 mm", {10, 10, 999999999.0, 999999999.0, 0}, {212, 212}, {848, 848}},
      {"the ratio keeps proportions", {10, 10, 40, 999, 2}, {40, 20}, {160, 80}},
      {"ratio 0: heights from the limits", {10, 10, 40, 30, 0}, {40, 30}, {160, 120}},
      {"the minimum wins", {50, 5, 20, 1, 0}, {50, 5}, {200, 20}},
      {"half a pixel rounds down", {0.125, 0.375, 0.125, 0.375, 0}, {0.125, 0.375}, {1, 1}},
      {"infinite limits count as 0", {inf, 0, inf, inf, 0}, {0, 0}, {1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ZQ_Point<double> mm;
    ZQ_Point<long> px;
    context.ComputeDisplaySize(c.limits, mm, px);
    EXPECT_EQ(mm, c.mm);
    EXPECT_EQ(px, c.px);
  }
  ZQFO_ExportDocumentToHTML_Options large;
  large.MaximumImageWidth = large.MaximumImageHeight = 100000;
  ZQFO_ExportDocumentToHTML_ExportContext unbounded(ZQ_CreateStringStreamSink(&sink), layout.Context, ZQ_FileName(),
                                                    large);
  ZQ_Point<double> mm;
  ZQ_Point<long> px;
  unbounded.ComputeDisplaySize({0, 0, 999999999.0, 999999999.0, 0}, mm, px);
  EXPECT_EQ(px, ZQ_Point<long>(4096, 4096));
}

TEST(ZQFO_ExportDocumentToHTML_ExportContext, ImagesAreWrittenOnceInTheSmallerFormatAndAnchorsRecorded) {
  TestLayout layout;
  ZQ_String folder = ZQ_FileUtils::GetTemporaryDirectory();
  const ZQ_String base = folder + "ZQFO Export &'x'";
  ZQ_String sink;
  ZQFO_ExportDocumentToHTML_ExportContext context(ZQ_CreateStringStreamSink(&sink), layout.Context,
                                                  ZQ_FileName(base + ".html"));
  const ZQIMG_Image flat = Filled(64, 64, false), noise = Filled(160, 160, true);
  EXPECT_EQ(context.ConvertImageToFileName(flat), ZQ_String("ZQFO Export &'x'_Image_1.png"));
  EXPECT_EQ(context.ConvertImageToFileName(noise), ZQ_String("ZQFO Export &'x'_Image_2.jpg"));
  EXPECT_EQ(context.ConvertImageToFileName(flat), ZQ_String("ZQFO Export &'x'_Image_1.png"));
  EXPECT_FALSE(ZQ_FileUtils::FileExists(base + "_Image_1.jpg"));
  EXPECT_FALSE(ZQ_FileUtils::FileExists(base + "_Image_2.png"));
  EXPECT_FALSE(ZQ_FileUtils::FileExists(base + "_Image_3.png"));
  ZQ_FileUtils::SafeDelete(ZQ_FileName(base + "_Image_1.png"));
  ZQ_FileUtils::SafeDelete(ZQ_FileName(base + "_Image_2.jpg"));

  EXPECT_FALSE(context.WasAnchorWritten("a"));
  EXPECT_TRUE(context.WasAnchorWritten("a"));
  EXPECT_FALSE(context.WasAnchorWritten("A"));
}
