#include <gtest/gtest.h>

#include "GraphicsTestSupport.h"
#include "ZQR_Bitmap.h"
#include "ZQR_Brush.h"

// The brush keeps no share of its bitmap: Windows copies the pattern.
TEST(ZQR_Brush, APatternBrushPaintsItsBitmapAfterTheBitmapIsGone) {
  const BYTE rows[2][2] = {{0x80, 0}, {0x40, 0}};  // 1 0, then 0 1
  const ZQR_Brush brush(ZQR_Bitmap(CreateBitmap(2, 2, 1, 1, rows)));
  const DibCanvas canvas(4, 4, ZQR_Color_White);
  SetTextColor(canvas.GetHDC(), ZQR_Color_Red.GetCOLORREF());
  SetBkColor(canvas.GetHDC(), ZQR_Color_Blue.GetCOLORREF());
  const RECT all{0, 0, 4, 4};
  FillRect(canvas.GetHDC(), &all, brush.GetHBRUSH());
  for (long y = 0; y < 4; ++y)
    for (long x = 0; x < 4; ++x)
      EXPECT_EQ(canvas.GetPixel(x, y), (x + y) % 2 ? ZQR_Color_Red : ZQR_Color_Blue) << x << ", " << y;
}
