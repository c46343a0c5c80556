#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQXML_TextEncoding.h"
#include "ZQ_Exception.h"
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
      {"but not over the export's maximum", {9.9e9, 5, 20, 1, 0}, {212, 5}, {848, 20}},
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

namespace {

// Records what reaches it: every write's size, and the hints.
class RecordingSink : public ZQ_StreamSinkReference {
 public:
  void Write(const void* Data, unsigned long N) override {
    if (FailAfter >= 0 && NumWrites >= FailAfter) throw ZQ_Exception("Disk full", "");
    ++NumWrites;
    Text.append(static_cast<const char*>(Data), N);
  }
  void Reserve(unsigned long N) override { Reserved += N; }
  std::string Text;
  long NumWrites = 0, FailAfter = -1;
  unsigned long Reserved = 0;
};

}  // namespace

TEST(ZQFO_HTMLOutput, PiecesOfEverySizeArriveInOrderOnceToldTheirTotal) {
  const std::string block(32768, 'b'), huge(100000, 'h');
  const struct {
    const char* why;
    std::vector<std::string> pieces;
    size_t early;  // bytes passed on before Flush
    size_t reserved;
  } cases[] = {
      {"small pieces and a blank", {"<p>", "word", " ", "x"}, 0, 9},
      {"pieces across block ends", std::vector<std::string>(40, std::string(2000, 'p')), 0, 80000},
      {"a block's length goes straight on, after what is held", {"a", block, "z"}, 32769, 2},
      {"longer than a block too", {std::string(30000, 'q'), huge, "end"}, 130000, 30003},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    auto* recording = new RecordingSink;
    ZQ_StreamSink sink(recording);
    std::string expected;
    {
      ZQFO_HTMLOutput output(sink);
      for (const std::string& piece : c.pieces) {
        output.Append(piece.data(), static_cast<unsigned long>(piece.size()));
        expected += piece;
      }
      EXPECT_EQ(recording->Text.size(), c.early);
      output.Flush();
    }
    EXPECT_EQ(recording->Text, expected);
    EXPECT_EQ(recording->Reserved, c.reserved);
  }
}

TEST(ZQFO_HTMLOutput, EncodesAsTheXMLEncoderDoes) {
  std::string all;
  for (int code = 0; code < 256; ++code) all += static_cast<char>(code);
  const ZQ_String text(all.data(), static_cast<int>(all.size()));
  for (unsigned long flags : {0x607ul, 0x17ul, 0x7FFul, 0xFFFul, 0ul}) {
    SCOPED_TRACE(flags);
    ZQ_String written;
    {
      ZQFO_HTMLOutput output(ZQ_CreateStringStreamSink(&written));
      for (int i = 0; i < 200; ++i) output.AppendEncoded(text, flags);  // past several block ends
      output.Flush();
    }
    std::string expected;
    const ZQ_String once = ZQXML_EncodeSpecialCharacters(text, flags);
    for (int i = 0; i < 200; ++i) expected.append(once.GetText(), once.GetLength());
    EXPECT_EQ(std::string(written.GetText(), written.GetLength()), expected);
  }
}

TEST(ZQFO_HTMLOutput, AFailedWriteThrowsAndSendsNothingTwice) {
  auto* recording = new RecordingSink;
  recording->FailAfter = 1;
  ZQFO_HTMLOutput output{ZQ_StreamSink(recording)};
  const std::string piece(10000, 'x');
  for (int i = 0; i < 10; ++i) output.Append(piece.data(), static_cast<unsigned long>(piece.size()));
  EXPECT_THROW(output.Flush(), ZQ_Exception);
  EXPECT_EQ(recording->Text.size(), 30000u);
  output.Append("tail", 4);
  recording->FailAfter = -1;
  output.Flush();
  EXPECT_EQ(recording->Text.substr(30000), "tail");
}
