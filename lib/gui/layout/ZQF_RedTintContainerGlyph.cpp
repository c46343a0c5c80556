// The red tint container.
#include "ZQF_RedTintContainerGlyph.h"

#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQIMG_Conversion.h"
#include "ZQIMG_Image.h"

ZQF_RedTintContainerGlyph::ZQF_RedTintContainerGlyph(ZQF_Glyph* Client)
    : ZQF_NullContainerGlyph(Client) {}

void ZQF_RedTintContainerGlyph::DrawChildren(ZQF_Canvas& Canvas) {
  ZQF_NullContainerGlyph::DrawChildren(Canvas);
  // No pixels to copy back (a bitmap cannot be made 0 wide or high).
  if (IsBoundingBoxEmpty()) return;
  Canvas.SetOrigin(GetBoundingBox().GetTopLeft());
  const ZQR_Bitmap drawn = Canvas.GetAsBitmap(GetLocalBoundingBox());
  const bool lowColorDisplay = drawn.GetBitsPerPixel() <= 8;
  ZQIMG_Image image = ZQIMG_BitmapToImage(drawn, 24);
  ShadeRed(image, lowColorDisplay);
  const ZQR_Bitmap tinted = ZQIMG_ImageToBitmap(image, ZQF_GetMetricDC());
  Canvas.Draw(tinted, ZQ_Point<long>(0, 0), tinted.GetSize());
}

void ZQF_RedTintContainerGlyph::ShadeRed(ZQIMG_Image& Image, bool LowColorDisplay) {
  const long width = Image.GetWidth();
  for (long y = 0; y < Image.GetHeight(); ++y) {
    unsigned char* pixel = Image.GetRow24BitForWriting(y);
    for (long x = 0; x < width; ++x, pixel += 3) {
      if (LowColorDisplay) {
        pixel[0] >>= 2;
        pixel[1] >>= 2;
      } else {
        pixel[0] >>= 1;
        pixel[1] >>= 1;
        pixel[2] = static_cast<unsigned char>((pixel[2] >> 1) | 0x80);
      }
    }
  }
}
