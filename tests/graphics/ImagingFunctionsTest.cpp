#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ImagingTestSupport.h"
#include "ZQIMG_ColorTransformation.h"
#include "ZQIMG_Conversion.h"
#include "ZQIMG_CreateDisabled.h"
#include "ZQIMG_Resize.h"
#include "ZQLOW_WINUSER.h"
#include "ZQR_DeviceContext.h"
#include "ZQ_Hasher.h"

namespace {

const ZQR_Color kGreen(0, 128, 0);

// A 24-bit image from rows of letters: K black, W white, R red, G green.
ZQIMG_Image ImageOf(std::initializer_list<const char*> Rows) {
  ZQIMG_Image image(static_cast<long>(strlen(*Rows.begin())), static_cast<long>(Rows.size()), 24);
  long y = 0;
  for (const char* row : Rows) {
    for (long x = 0; row[x]; ++x)
      SetPixel24(image, x, y,
                 row[x] == 'W'   ? ZQR_Color_White
                 : row[x] == 'R' ? ZQR_Color_Red
                 : row[x] == 'G' ? kGreen
                                 : ZQR_Color_Black);
    ++y;
  }
  return image;
}

ZQR_Color Grey(BYTE Level) { return ZQR_Color(Level, Level, Level); }

}  // namespace

TEST(ZQIMG_ColorTransformation, MapsEachPixelOnceSoThatPairsCanSwap) {
  ZQIMG_ColorTransformation swap(2);
  swap.AddPair(ZQR_Color_Red, kGreen);
  swap.AddPair(kGreen, ZQR_Color_Red);
  swap.AddPair(ZQR_Color_Red, ZQR_Color_White);  // never reached: the first pair wins
  const ZQIMG_Image source = ImageOf({"RGK"});
  const ZQIMG_Image result = swap.Transform(source);
  EXPECT_NE(result, source);
  EXPECT_EQ(result.GetPixelColor(0, 0), kGreen);
  EXPECT_EQ(result.GetPixelColor(1, 0), ZQR_Color_Red);
  EXPECT_EQ(result.GetPixelColor(2, 0), ZQR_Color_Black);
  EXPECT_EQ(source.GetPixelColor(0, 0), ZQR_Color_Red);
  EXPECT_EQ(ZQIMG_ColorTransformation().Transform(source), source);  // no pairs: shared
}

TEST(ZQIMG_ColorTransformation, MapsThePaletteOfPalettedImages) {
  ZQIMG_Image grey(3, 1, 8);
  unsigned char* row = grey.GetRowForWriting(0);
  row[0] = 0;
  row[1] = 255;
  row[2] = 128;
  ZQIMG_ColorTransformation t;
  t.AddPair(ZQR_Color_Black, ZQR_Color_Red);
  t.AddPair(ZQR_Color_White, ZQR_Color_Black);
  const ZQIMG_Image result = t.Transform(grey);
  EXPECT_EQ(result.GetBitsPerPixel(), 8);
  EXPECT_EQ(result.GetPixelColor(0, 0), ZQR_Color_Red);
  EXPECT_EQ(result.GetPixelColor(1, 0), ZQR_Color_Black);
  EXPECT_EQ(result.GetPixelColor(2, 0), Grey(128));
  EXPECT_EQ(grey.GetPixelColor(0, 0), ZQR_Color_Black);
}

TEST(ZQIMG_ColorTransformation, ComparesAndHashesThePairsInOrder) {
  ZQIMG_ColorTransformation ab, ba, ab2(5);
  ab.AddPair(ZQR_Color_Red, kGreen);
  ab.AddPair(ZQR_Color_Blue, ZQR_Color_White);
  ba.AddPair(ZQR_Color_Blue, ZQR_Color_White);
  ba.AddPair(ZQR_Color_Red, kGreen);
  ab2 = ab;
  EXPECT_EQ(ab, ab2);
  EXPECT_NE(ab, ba);
  EXPECT_EQ(ab.GetNumPairs(), 2);
  EXPECT_EQ(ab.GetToColor(1), ZQR_Color_White);
  ZQ_Hasher byPairs, byBytes;
  byPairs << ab;
  byBytes << 2L;
  const BYTE bytes[] = {255, 0, 0, 0, 128, 0, 0, 0, 255, 255, 255, 255};
  byBytes.AddBytes(bytes, sizeof bytes);
  EXPECT_EQ(byPairs.GetHash(), byBytes.GetHash());
}

TEST(ZQIMG_CreateDisabled, DrawsTheGlyphInHighlightDownRightThenInShadow) {
  const ZQIMG_Image glyph = ImageOf({"WWWW", "WKKW", "WWWW"});
  const ZQR_Color shadow = Grey(128), highlight = ZQR_Color_Yellow;
  const ZQIMG_Image disabled = ZQIMG_CreateDisabled(glyph, ZQR_Color_White, shadow, highlight);
  const ZQR_Color W = ZQR_Color_White, S = shadow, H = highlight;
  const ZQR_Color want[3][4] = {{W, W, W, W}, {W, S, S, W}, {W, W, H, H}};
  for (long y = 0; y < 3; ++y)
    for (long x = 0; x < 4; ++x)
      EXPECT_EQ(disabled.GetPixelColor(x, y), want[y][x]) << x << "," << y;
}

TEST(ZQIMG_Resize, ScalesByEachMethod) {
  const ZQIMG_Image checkerboard = ImageOf({"KWKW", "WKWK", "KWKW", "WKWK"});
  const ZQIMG_Image pair = ImageOf({"KW"});
  const struct {
    const ZQIMG_Image& source;
    long w, h, method;
    std::vector<ZQR_Color> row0;
    const char* why;
  } kCases[] = {
      {checkerboard,
       2,
       2,
       2,
       {Grey(128), Grey(128)},
       "area average of black and white is even grey"},
      {pair, 4, 1, 1, {ZQR_Color_Black, Grey(64), Grey(191), ZQR_Color_White}, "bilinear doubling"},
      {pair,
       4,
       1,
       2,
       {ZQR_Color_Black, Grey(64), Grey(191), ZQR_Color_White},
       "method 2 grows bilinearly"},
      {pair,
       4,
       2,
       0,
       {ZQR_Color_Black, ZQR_Color_Black, ZQR_Color_White, ZQR_Color_White},
       "nearest"},
      {checkerboard, 2, 1, 0, {ZQR_Color_White, ZQR_Color_White}, "nearest takes the centres"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQIMG_Image result = ZQIMG_Resize(c.source, c.w, c.h, c.method);
    ASSERT_EQ(result.GetSize(), ZQ_Point<long>(c.w, c.h));
    for (long x = 0; x < c.w; ++x) EXPECT_EQ(result.GetPixelColor(x, c.h - 1), c.row0[x]) << x;
  }
}

TEST(ZQIMG_Resize, KeepsTheSameSizeSharedAndChecksItsArguments) {
  const ZQIMG_Image image = ImageOf({"KW"});
  EXPECT_EQ(ZQIMG_Resize(image, ZQ_Point<long>(2, 1), 2), image);
  EXPECT_NE(ExceptionDescription([&] {
              ZQIMG_Resize(image, 0, 5, 1);
            }).Find("(NewSize.X > 0) and (NewSize.Y > 0)"),
            ZQ_NoMatch);
  EXPECT_NE(
      ExceptionDescription([&] { ZQIMG_Resize(image, 3, 3, 3); }).Find("Assertion failed: false"),
      ZQ_NoMatch);
}

TEST(ZQIMG_Resize, NearestKeepsDepthAndPaletteWhileFilteringTurns24Bits) {
  ZQIMG_Image paletted(4, 2, 8);
  const ZQR_Color palette[] = {ZQR_Color_Red, kGreen};
  paletted.SetPalette(palette, 2);
  paletted.GetRowForWriting(1)[3] = 1;
  for (long method : {0L, 1L, 2L}) {
    SCOPED_TRACE(method);
    const ZQIMG_Image result = ZQIMG_Resize(paletted, 8, 4, method);
    EXPECT_EQ(result.GetBitsPerPixel(), method == 0 ? 8 : 24);
    EXPECT_EQ(result.GetPixelColor(0, 0), ZQR_Color_Red);
    EXPECT_EQ(result.GetPixelColor(7, 3), kGreen);
    if (method == 0) {
      EXPECT_EQ(result.GetPaletteColor(1), kGreen);
    }
  }
  const ZQIMG_Image mono = ZQIMG_Resize(ZQIMG_Image(3, 3, 1), 17, 2, 0);
  EXPECT_EQ(mono.GetBitsPerPixel(), 1);
}

TEST(ZQIMG_Conversion, BitmapsAndImagesConvertBothWaysExactly) {
  const ZQIMG_Image picture = MakePictureImage(13, 6);
  const ZQR_DeviceContext screen(ZQLOW_WINUSER::GetDC(nullptr), nullptr, 1);
  for (HDC context : {static_cast<HDC>(nullptr), screen.GetHDC()}) {
    SCOPED_TRACE(context ? "screen context" : "no context");
    const ZQR_Bitmap bitmap = ZQIMG_ImageToBitmap(picture, context);
    EXPECT_EQ(bitmap.GetSize(), picture.GetSize());
    const ZQIMG_Image back = ZQIMG_BitmapToImage(bitmap, 24);
    EXPECT_TRUE(HaveSamePixels(back, picture));
    EXPECT_TRUE(HaveSamePixels(ZQIMG_BitmapToImage(ZQIMG_ImageToBitmap(back), 24), picture));
  }
  EXPECT_NE(ExceptionDescription([&] {
              ZQIMG_BitmapToImage(ZQIMG_ImageToBitmap(picture), 8);
            }).Find("Depth == 24"),
            ZQ_NoMatch);
}
