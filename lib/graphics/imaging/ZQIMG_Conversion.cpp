#include "ZQIMG_Conversion.h"

#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_WINUSER.h"
#include "ZQR_DeviceContext.h"
#include "ZQ_StackTrace.h"

ZQIMG_Image ZQIMG_ConvertTo24Bits(const ZQIMG_Image& Image) {
  ZQ_TRACE_FUNCTION("ZQIMG_ConvertTo24Bits");
  if (Image.IsEmpty() || Image.GetBitsPerPixel() == 24) return Image;
  ZQR_Color palette[256];
  for (long i = 0; i < Image.GetPaletteSize(); ++i) palette[i] = Image.GetPaletteColor(i);
  ZQIMG_Image converted(Image.GetWidth(), Image.GetHeight(), 24);
  for (long y = 0; y < Image.GetHeight(); ++y) {
    const unsigned char* source = Image.GetRow(y);
    unsigned char* target = converted.GetRow24BitForWriting(y);
    for (long x = 0; x < Image.GetWidth(); ++x, target += 3) {
      const ZQR_Color& color =
          palette[ZQIMG_Image::GetPaletteIndex(source, x, Image.GetBitsPerPixel())];
      target[0] = color.GetBlue();
      target[1] = color.GetGreen();
      target[2] = color.GetRed();
    }
  }
  return converted;
}

ZQIMG_Image ZQIMG_BitmapToImage(const ZQR_Bitmap& Bitmap, long Depth) {
  ZQ_TRACE_FUNCTION("ZQIMG_BitmapToImage");
  ZQ_ASSERT(Depth == 24);
  const ZQ_Point<long> size = Bitmap.GetSize();
  if (!Bitmap.GetHBITMAP() || size.X <= 0 || size.Y <= 0) return ZQIMG_Image();
  ZQIMG_Image image(size.X, size.Y, 24);
  BITMAPINFO format = *image.GetBitmapInfo();
  // GetDIBits needs a context but not the bitmap selected into it.
  const ZQ_OwnedDC dc(ZQLOW_WINGDI::CreateCompatibleDC(nullptr));
  ZQLOW_WINGDI::GetDIBits(dc.Get(), Bitmap.GetHBITMAP(), 0, static_cast<UINT>(size.Y),
                          image.GetRowForWriting(0), &format, DIB_RGB_COLORS);
  return image;
}

ZQR_Bitmap ZQIMG_ImageToBitmap(const ZQIMG_Image& Image, HDC DC) {
  ZQ_TRACE_FUNCTION("ZQIMG_ImageToBitmap");
  if (Image.IsEmpty()) return ZQR_Bitmap();
  if (!DC) {
    const ZQR_DeviceContext screen(ZQLOW_WINUSER::GetDC(nullptr), nullptr, 1);
    return ZQIMG_ImageToBitmap(Image, screen.GetHDC());
  }
  const BITMAPINFO* format = Image.GetBitmapInfo();
  return ZQR_Bitmap(ZQLOW_WINGDI::CreateDIBitmap(DC, &format->bmiHeader, CBM_INIT, Image.GetRow(0),
                                                 format, DIB_RGB_COLORS));
}
