#include <gtest/gtest.h>

#include "GraphicsTestSupport.h"
#include "ZQR_TransparentBitmap.h"

namespace {

const ZQR_Color kBackground(10, 20, 30);

}  // namespace

TEST(ZQR_TransparentBitmap, LeavesTheBackgroundUnderTransparentPixels) {
  UseTestProgramResources();
  const ZQR_Bitmap image("ZQTESTBITMAP");
  const struct { const char* why; ZQR_Color transparent; long x, y, scale; } kCases[] = {
      {"own size", ZQR_StandardTransparentColor, 1, 1, 1},
      {"stretched twice", ZQR_StandardTransparentColor, 0, 2, 2},
      {"stretched three times", ZQR_StandardTransparentColor, 3, 0, 3},
      {"another transparent colour", ZQR_Color_Blue, 1, 1, 2},
      {"a colour the bitmap lacks", ZQR_Color_White, 0, 0, 1}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const DibCanvas canvas(16, 8, kBackground);
    // A copy draws as the original: it shares image and mask.
    const ZQR_TransparentBitmap transparent =
        ZQR_TransparentBitmap(image, c.transparent, false);
    transparent.Draw(canvas.GetHDC(), c.x, c.y, 4 * c.scale, 2 * c.scale);
    for (long y = 0; y < 2 * c.scale; ++y)
      for (long x = 0; x < 4 * c.scale; ++x) {
        const ZQR_Color pixel = kTestBitmapPixels[y / c.scale][x / c.scale];
        EXPECT_EQ(canvas.GetPixel(c.x + x, c.y + y), pixel == c.transparent ? kBackground : pixel)
            << x << ", " << y;
      }
  }
}

TEST(ZQR_TransparentBitmap, KeepsTheContextsColoursAndModes) {
  UseTestProgramResources();
  const DibCanvas canvas(4, 2, kBackground);
  const HDC dc = canvas.GetHDC();
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkColor(dc, RGB(4, 5, 6));
  SetStretchBltMode(dc, HALFTONE);
  ZQR_TransparentBitmap(ZQR_Bitmap("ZQTESTBITMAP"), ZQR_Color_LightGray).Draw(dc, 0, 0, 8, 4);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
  EXPECT_EQ(GetStretchBltMode(dc), HALFTONE);
}
