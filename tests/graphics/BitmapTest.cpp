#include <gtest/gtest.h>

#include "GraphicsTestSupport.h"
#include "ZQR_Bitmap.h"
#include "ZQR_DeviceContext.h"
#include "ZQ_Exception.h"

namespace {

const ZQR_Color kBackground(10, 20, 30);

// Expects the test bitmap's pixels in Canvas at X, Y, each Scale x Scale.
void ExpectTestBitmapAt(const DibCanvas& Canvas, long X, long Y, long Scale) {
  for (long y = 0; y < 2 * Scale; ++y)
    for (long x = 0; x < 4 * Scale; ++x) {
      SCOPED_TRACE(testing::Message() << "pixel " << x << ", " << y);
      EXPECT_EQ(Canvas.GetPixel(X + x, Y + y).GetCOLORREF(),
                kTestBitmapPixels[y / Scale][x / Scale].GetCOLORREF());
    }
}

}  // namespace

TEST(ZQR_Bitmap, DrawsAtItsOwnSizeAndStretched) {
  UseTestProgramResources();
  const ZQR_Bitmap bitmap("ZQTESTBITMAP");
  const struct { long x, y, scale; } kCases[] = {{1, 1, 1}, {0, 2, 2}, {3, 0, 3}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << "scale " << c.scale);
    const DibCanvas canvas(16, 8, kBackground);
    bitmap.Draw(canvas.GetHDC(), c.x, c.y, 4 * c.scale, 2 * c.scale, SRCCOPY);
    ExpectTestBitmapAt(canvas, c.x, c.y, c.scale);
    EXPECT_EQ(canvas.GetPixel(c.x + 4 * c.scale, c.y), kBackground);
  }
}

// 0 bits take the text colour, 1 bits the background colour.
TEST(ZQR_Bitmap, DrawsAMonochromeBitmapInTheContextsColours) {
  const BYTE rowBits[2] = {0x50, 0};  // 0 1 0 1, then padding to 16 bits
  const ZQR_Bitmap bitmap(CreateBitmap(4, 1, 1, 1, rowBits));
  const ZQR_Color text(200, 0, 0), background(0, 0, 200);
  for (long scale : {1, 2}) {
    SCOPED_TRACE(testing::Message() << "scale " << scale);
    const DibCanvas canvas(8, 2, kBackground);
    SetTextColor(canvas.GetHDC(), text.GetCOLORREF());
    SetBkColor(canvas.GetHDC(), background.GetCOLORREF());
    bitmap.Draw(canvas.GetHDC(), 0, 0, 4 * scale, scale, SRCCOPY);
    for (long x = 0; x < 4 * scale; ++x)
      EXPECT_EQ(canvas.GetPixel(x, scale - 1), (x / scale) % 2 ? background : text) << x;
  }
}

TEST(ZQR_Bitmap, ReplaceColorChangesExactlyThePixelsOfOneColourInEveryCopy) {
  UseTestProgramResources();
  ZQR_Bitmap bitmap("ZQTESTBITMAP");
  const ZQR_Bitmap copy = bitmap;
  const ZQR_Color to(1, 2, 3);
  bitmap.ReplaceColor(ZQR_Color_LightGray, to);
  const DibCanvas canvas(4, 2, kBackground);
  copy.Draw(canvas.GetHDC(), 0, 0, 4, 2, SRCCOPY);
  for (long y = 0; y < 2; ++y)
    for (long x = 0; x < 4; ++x) {
      const ZQR_Color was = kTestBitmapPixels[y][x];
      EXPECT_EQ(canvas.GetPixel(x, y), was == ZQR_Color_LightGray ? to : was) << x << ", " << y;
    }
}

TEST(ZQR_Bitmap, BitBltFillsTheBitmapFromTheContext) {
  UseTestProgramResources();
  const DibCanvas source(8, 4, kBackground);
  ZQR_Bitmap("ZQTESTBITMAP").Draw(source.GetHDC(), 3, 1, 4, 2, SRCCOPY);
  ZQR_Bitmap copied;
  copied.CreateCompatiableBitmap(source.GetHDC(), 4, 2);
  copied.BitBlt(source.GetHDC(), 3, 1);
  const DibCanvas target(4, 2, kBackground);
  copied.Draw(target.GetHDC(), 0, 0, 4, 2, SRCCOPY);
  ExpectTestBitmapAt(target, 0, 0, 1);
}

// A resource is loaded in the screen's format: the red tint's low-colour
// test reads it so. A new bitmap replaces only this handle's.
TEST(ZQR_Bitmap, NewBitmapsTakeTheFormatOfTheirContext) {
  UseTestProgramResources();
  const ZQR_DeviceContext screenContext(GetDC(nullptr), nullptr, 1);
  const long screenBits = GetDeviceCaps(screenContext, BITSPIXEL);
  const ZQR_DeviceContext memoryContext(CreateCompatibleDC(nullptr), nullptr, 0);  // monochrome
  ZQR_Bitmap screen;
  screen.CreateScreenCompatiableBitmap(5, 3);
  ZQR_Bitmap monochrome = screen;
  monochrome.CreateCompatiableBitmap(memoryContext, 6, 2);
  const struct { const char* why; ZQR_Bitmap bitmap; ZQ_Point<long> size; long bits; } kCases[] = {
      {"resource", ZQR_Bitmap("ZQTESTBITMAP"), {4, 2}, screenBits},
      {"screen-compatible", screen, {5, 3}, screenBits},
      {"compatible with a memory context", monochrome, {6, 2}, 1},
      {"none", ZQR_Bitmap(), {0, 0}, 0}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(c.bitmap.GetSize() == c.size);
    EXPECT_EQ(c.bitmap.GetBitsPerPixel(), c.bits);
  }
}

TEST(ZQR_Bitmap, AMissingResourceThrows) {
  UseTestProgramResources();
  const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
  EXPECT_THROW(ZQR_Bitmap("ZQNOSUCHBITMAP"), ZQ_Exception);
}
