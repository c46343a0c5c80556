#include <gtest/gtest.h>

#include <new>

#include "ImagingTestSupport.h"
#include "ZQIMGIO.h"
#include "ZQIMG_BMPDecoder.h"
#include "ZQIMG_Gdiplus.h"
#include "ZQIMG_ImageInfo.h"
#include "ZQIMG_JPEGEncoder.h"
#include "ZQIMG_PNGEncoder.h"
#include "ZQLOW_GDIPLUS.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_FileUtils.h"
#include "ZQ_URI.h"

namespace {

// The progressive fixture is a smooth picture at quality 92 with the
// chrominance halved both ways.
constexpr int kJPEGTolerance = 24;

bool IsBitmapResource(const ImagingFixture& F) { return ZQ_String(F.Resource).EndsWith("_BITMAP"); }

}  // namespace

TEST(ZQIMGIO, EveryFixtureDecodesToItsPixelsAndAgreesWithItsHeader) {
  for (const ImagingFixture& f : kImagingFixtures) {
    SCOPED_TRACE(f.Resource);
    const ZQ_String bytes = LoadFixtureBytes(f.Resource);
    const ZQIMG_Image image = ZQIMGIO_LoadFromBuffer(bytes);
    EXPECT_EQ(image.GetBitsPerPixel(), 24);
    EXPECT_LE(MaxDifference(image, LoadFixtureBytes(f.ExpectedPixels)),
              f.IsExact ? 0 : kJPEGTolerance);
    const ZQIMG_ImageInfo info = ZQIMG_GetImageInfo(bytes);
    EXPECT_TRUE(info.Recognised);
    EXPECT_EQ(ZQ_Point<long>(info.Width, info.Height), image.GetSize());
    EXPECT_EQ(info.BitsPerPixel, f.BitsPerPixel);
  }
}

TEST(ZQIMGIO, LoadsFromResourcesOfEitherTypeAndFromIntresURIs) {
  UseTestResources();
  for (const ImagingFixture& f : kImagingFixtures) {
    if (!ZQ_String(f.Resource).BeginsWith("BMP_ERRORIMAGE") &&
        !ZQ_String(f.Resource).BeginsWith("PNG_T6_D8"))
      continue;
    SCOPED_TRACE(f.Resource);
    const ZQ_String expected = LoadFixtureBytes(f.ExpectedPixels);
    EXPECT_EQ(MaxDifference(ZQIMGIO_LoadFromResource(f.Resource), expected), 0);
    EXPECT_EQ(MaxDifference(ZQIMGIO_LoadFromResource(f.Resource, 0), expected), 0);
    EXPECT_EQ(
        MaxDifference(ZQIMGIO_LoadFromURI(ZQ_URI(ZQ_String("intres:") + f.Resource)), expected), 0);
    if (ZQ_String(f.Resource).BeginsWith("BMP")) {
      EXPECT_EQ(MaxDifference(ZQIMG_LoadFromResource_BMP(f.Resource), expected), 0);
    }
  }
  EXPECT_EQ(LoadFixtureBytes("BMP_ERRORIMAGE").GetLength(), 246);
  ZQ_String name;
  ExceptionDescription([] { ZQIMGIO_LoadFromResource("NO_SUCH_IMAGE"); }, &name);
  EXPECT_EQ(name, ZQ_String("Error loading resource 'NO_SUCH_IMAGE'."));
  EXPECT_NE(ExceptionDescription([] { ZQIMG_LoadFromResource_BMP("PNG_T2_D8"); }),
            ZQ_String("(no exception)"));
}

TEST(ZQIMGIO, DamagedOrUnknownDataIsAnErrorLoadingImage) {
  const ZQ_String png = LoadFixtureBytes("PNG_T2_D8");
  ZQ_String badCRC = png;
  badCRC[40] = static_cast<char>(badCRC[40] ^ 1);
  const struct {
    ZQ_String bytes;
    const char* description;
  } kCases[] = {
      {ZQ_String(), "The data is no BMP, PNG, JPEG or TIFF image, or its header is damaged."},
      {"GIF89a garbage", "The data is no BMP, PNG, JPEG or TIFF image, or its header is damaged."},
      {badCRC, "A PNG chunk is damaged (its CRC is wrong)."},
      {png.GetLeft(png.GetLength() - 20), "The PNG data ends early."},
      {WithPNGChunk(png, 33, "ZQZQ", "critical"),
       "The PNG file holds a chunk that cannot be understood."},
      {WithPNGChunk(png, 33, "IHDR", png(16, 13)),
       "The PNG file holds a chunk that cannot be understood."},
      {WithPNGChunk(png, 33, "tRNS", "12345"), "The PNG transparency is damaged."},
      {LoadFixtureBytes("BMP_8_BU").GetLeft(200), "The BMP data ends early."},
      {LoadFixtureBytes("TIFF_II").GetLeft(100),
       "The data is no BMP, PNG, JPEG or TIFF image, or its header is damaged."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.description);
    ZQ_String name;
    EXPECT_EQ(ExceptionDescription([&] { ZQIMGIO_LoadFromBuffer(c.bytes); }, &name),
              ZQ_String(c.description));
    EXPECT_EQ(name, ZQ_String("Error loading image"));
  }
}

TEST(ZQIMG_GetImageInfo, TruncatedHeadersAreNotRecognised) {
  for (const ImagingFixture& f : kImagingFixtures) {
    if (IsBitmapResource(f)) continue;
    SCOPED_TRACE(f.Resource);
    const ZQ_String bytes = LoadFixtureBytes(f.Resource);
    // The BMP, PNG and JPEG headers lie in the first 26 bytes; a TIFF
    // fixture's IFD lies at its end.
    const int header = ZQ_String(f.Resource).BeginsWith("TIFF") ? bytes.GetLength() - 4 : 26;
    for (int length : {0, 1, 2, 7, 8, 12, 16, 20, header - 1}) {
      if (length > header - 1) continue;
      EXPECT_FALSE(ZQIMG_GetImageInfo(bytes.GetLeft(length)).Recognised) << length;
    }
  }
}

TEST(ZQIMG_GetImageInfo, ReadsTheFirstFrameMarkerAndRefusesZeroSizes) {
  const struct {
    ZQ_String bytes;
    bool recognised;
    long w, h, bits;
    const char* why;
  } kCases[] = {
      {ZQ_String("\xFF\xD8\xFF\xE0\x00\x04xx\xFF\xC2\x00\x0B\x08\x00\x10\x00\x20\x01", 19), true,
       32, 16, 8, "SOF2 after an APP0 segment"},
      {ZQ_String("\xFF\xD8\xFF\xC4\x00\x04xx\xFF\xC1\x00\x0B\x0C\x00\x10\x00\x20\x03", 19), true,
       32, 16, 36, "DHT is no frame; 12-bit precision"},
      {ZQ_String("\xFF\xD8\xFF\xC0\x00\x0B\x08\x00\x00\x00\x20\x03", 12), false, 0, 0, 0,
       "height 0"},
      {ZQ_String("\xFF\xD8\xFF\xDA\x00\x0B", 6), false, 0, 0, 0, "scan before a frame"},
      {ZQ_String("\x28\x00\x00\x00\x03\x00\x00\x00\xFE\xFF\xFF\xFF\x01\x00\x08\x00", 16) +
           ZQ_String('\0', 24),
       true, 3, 2, 8, "packed DIB, top-down"},
      {ZQ_String("\x28\x00\x00\x00\x03\x00\x00\x00\x02\x00\x00\x00\x02\x00\x08\x00", 16) +
           ZQ_String('\0', 24),
       false, 0, 0, 0, "packed DIB with two planes"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQIMG_ImageInfo info = ZQIMG_GetImageInfo(c.bytes);
    EXPECT_EQ(info.Recognised, c.recognised);
    EXPECT_EQ(info.Width, c.w);
    EXPECT_EQ(info.Height, c.h);
    EXPECT_EQ(info.BitsPerPixel, c.bits);
  }
}

TEST(ZQIMG_EncodePNG, OutputDecodesExactlyAtOddWidthsAndAllDepths) {
  const struct {
    long w, h, bits;
  } kCases[] = {{1, 1, 24}, {7, 3, 24}, {33, 17, 24}, {5, 4, 8}, {9, 2, 1}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.w);
    ZQIMG_Image image = c.bits == 24 ? MakePictureImage(c.w, c.h) : ZQIMG_Image(c.w, c.h, c.bits);
    if (c.bits != 24)
      for (long y = 0; y < c.h; ++y)
        image.GetRowForWriting(y)[0] = static_cast<unsigned char>(0xA5 + y);
    const ZQ_String png = ZQIMG_EncodePNG(image);
    EXPECT_TRUE(HaveSamePixels(ZQIMGIO_LoadFromBuffer(png), image));
    EXPECT_EQ(ZQIMG_EncodePNG(image), png);  // the same bytes every time
  }
}

// The picture's dark bars ring at quality 90 (by up to 31 levels next to
// them); at 100 only rounding is left.
TEST(ZQIMG_EncodeJPEG, TheFileGrowsWithTheQualityAndDecodesWithinTolerance) {
  const ZQIMG_Image picture = MakePictureImage(61, 45);
  ZQ_String expected;
  for (long y = 0; y < picture.GetHeight(); ++y)
    for (long x = 0; x < picture.GetWidth(); ++x) {
      const ZQR_Color color = picture.GetPixelColor(x, y);
      expected += static_cast<char>(color.GetRed());
      expected += static_cast<char>(color.GetGreen());
      expected += static_cast<char>(color.GetBlue());
    }
  const struct {
    long quality;
    int tolerance;
  } kCases[] = {{1, 256}, {10, 256}, {50, 256}, {90, 40}, {100, 3}};
  int previousSize = 0;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.quality);
    const ZQ_String jpeg = ZQIMG_EncodeJPEG(picture, c.quality);
    EXPECT_GT(jpeg.GetLength(), previousSize);
    previousSize = jpeg.GetLength();
    const ZQIMG_Image decoded = ZQIMGIO_LoadFromBuffer(jpeg);
    EXPECT_EQ(decoded.GetSize(), picture.GetSize());
    EXPECT_LE(MaxDifference(decoded, expected), c.tolerance);
  }
}

TEST(ZQIMG_EncodeJPEG, ScalesTheStandardTablesByQuality) {
  const struct {
    long quality;
    unsigned char luminance0, luminance63, chrominance0;
  } kCases[] = {
      {50, 16, 99, 17}, {90, 3, 20, 3}, {100, 1, 1, 1}, {10, 80, 255, 85}, {1, 255, 255, 255}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.quality);
    unsigned char luminance[64], chrominance[64];
    ZQIMG_GetJPEGQuantisationTable(c.quality, 0, luminance);
    ZQIMG_GetJPEGQuantisationTable(c.quality, 1, chrominance);
    EXPECT_EQ(luminance[0], c.luminance0);
    EXPECT_EQ(luminance[63], c.luminance63);
    EXPECT_EQ(chrominance[0], c.chrominance0);
  }
  EXPECT_NE(ExceptionDescription([] {
              ZQIMG_EncodeJPEG(ZQIMG_Image(1, 1, 24), 101);
            }).Find("Quality <= 100"),
            ZQ_NoMatch);
}

// The picture comes from an embedded PNG through its intres URI.
TEST(ZQIMGIO, SavedFilesLoadBackThroughFileURIs) {
  UseTestResources();
  const ZQIMG_Image picture = ZQIMGIO_LoadFromURI(ZQ_URI("intres:PNG_T6_D16_I"));
  const ZQ_FileName png =
      ZQ_FileUtils::GetTemporaryFileName("zqimg", "png", ZQ_FileUtils::GetTemporaryDirectory());
  const ZQ_FileName jpg =
      ZQ_FileUtils::GetTemporaryFileName("zqimg", "jpg", ZQ_FileUtils::GetTemporaryDirectory());
  ZQIMGIO_SaveToFile_PNG(png, picture);
  ZQIMGIO_SaveToFile_JPG(jpg, picture, 90);
  const ZQIMG_Image fromPNG =
      ZQIMGIO_LoadFromURI(ZQ_URI(png.GetPathName(), ZQ_URI::Encode_FileName));
  const ZQIMG_Image fromJPG =
      ZQIMGIO_LoadFromURI(ZQ_URI(jpg.GetPathName(), ZQ_URI::Encode_FileName));
  ZQ_FileUtils::SafeDelete(png);
  ZQ_FileUtils::SafeDelete(jpg);
  EXPECT_TRUE(HaveSamePixels(fromPNG, picture));
  EXPECT_EQ(fromJPG.GetSize(), picture.GetSize());
  // A failed write throws, as in the running program.
  const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
  ZQ_String name;
  ExceptionDescription(
      [&] { ZQIMGIO_SaveToFile_PNG(ZQ_FileName("Z:\\no\\such\\folder\\x.png"), picture); }, &name);
  EXPECT_EQ(name, ZQ_String("Error occurred while opening file"));
}

TEST(ZQIMG_StartGdiplus, StartsAndStopsBalanceAroundDecodes) {
  const long before = ZQIMG_GetGdiplusStartCount();
  ZQIMG_StartGdiplus();
  ZQIMG_StartGdiplus();
  EXPECT_EQ(ZQIMG_GetGdiplusStartCount(), before + 2);
  ZQIMG_StopGdiplus();
  ZQIMG_StopGdiplus();
  EXPECT_EQ(ZQIMG_GetGdiplusStartCount(), before);
  UseTestResources();
  ZQIMGIO_LoadFromResource("TIFF_II");
  ExceptionDescription(
      [] { ZQIMGIO_LoadFromBuffer(LoadFixtureBytes("JPEG_PROGRESSIVE").GetLeft(200)); });
  EXPECT_EQ(ZQIMG_GetGdiplusStartCount(), before);
  if (before == 0) {
    EXPECT_NE(ExceptionDescription([] { ZQIMG_StopGdiplus(); }).Find("GdiplusStartCount > 0"),
              ZQ_NoMatch);
  }
}

// The name and description of what loading Bytes throws while the call of
// Entry answers as Fake does.
template <auto* Entry, class Fake>
std::string LoadWhileFaking(const ZQ_String& Bytes, Fake Answer) {
  const ZQLOW_WIN_FakeCall<Entry> fake(Answer);
  ZQ_String name;
  const ZQ_String description = ExceptionDescription([&] { ZQIMGIO_LoadFromBuffer(Bytes); }, &name);
  return std::string(name.GetText()) + ": " + description.GetText();
}

// Each allocation that a large image can exhaust in a 32-bit program, failed
// on purpose, in the tests' own failure mode (1, fatal): the load is refused
// as damaged data would be, and GDI+ is given back.
TEST(ZQIMGIO, ShortMemoryIsAnErrorLoadingImage) {
  using namespace ZQLOW_GDIPLUS::Calls;
  const ZQ_String jpeg = LoadFixtureBytes("JPEG_PROGRESSIVE"), png = LoadFixtureBytes("PNG_T2_D8");
  const long starts = ZQIMG_GetGdiplusStartCount();
  const auto noSection = ZQLOW_WIN_Answer(static_cast<HBITMAP>(nullptr), ERROR_NOT_ENOUGH_MEMORY);
  const auto outOfMemory = ZQLOW_WIN_Answer(Gdiplus::OutOfMemory, 0);
  const auto throwBadAlloc = [](auto...) -> Gdiplus::GpStatus { throw std::bad_alloc(); };
  const char *kNoMemory = "There is not enough memory for the image.",
             *kNoMemoryToDecode = "There is not enough memory to decode the image.";
  const struct {
    std::string Got;
    const char *description, *why;
  } kCases[] = {
      {LoadWhileFaking<&ZQLOW_WINGDI::Calls::CreateDIBSection>(jpeg, noSection), kNoMemory,
       "no DIB section for GDI+'s pixels"},
      {LoadWhileFaking<&ZQLOW_WINGDI::Calls::CreateDIBSection>(png, noSection), kNoMemory,
       "no DIB section for our own decoder"},
      {LoadWhileFaking<&GdipCreateBitmapFromStream>(jpeg, outOfMemory), kNoMemoryToDecode,
       "GDI+ out of memory decoding"},
      {LoadWhileFaking<&GdipBitmapLockBits>(jpeg, outOfMemory), kNoMemoryToDecode,
       "GDI+ out of memory converting"},
      {LoadWhileFaking<&GdipCreateBitmapFromStream>(jpeg, throwBadAlloc), kNoMemory,
       "an allocation of ours fails"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(c.Got, std::string("Error loading image: ") + c.description);
  }
  EXPECT_EQ(ZQIMG_GetGdiplusStartCount(), starts);
}
