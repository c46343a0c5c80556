#include "ZQR_TransparentBitmap.h"

#include <vector>

#include "ZQR_BitmapPixels.h"
#include "ZQR_SavedDeviceContextState.h"
#include "ZQ_StackTrace.h"

namespace {

// A monochrome bitmap, 1 where Image has the colour: CreateBitmap's rows of
// bits, the leftmost pixel in the high bit, each row padded to 16 bits.
ZQR_Bitmap CreateMask(const ZQR_Bitmap& Image, const ZQR_Color& TransparentColor) {
  const ZQR_BitmapPixels pixels(Image);
  const long rowBytes = (pixels.GetWidth() + 15) / 16 * 2;
  std::vector<BYTE> bits(static_cast<size_t>(rowBytes * pixels.GetHeight()));
  for (long y = 0; y < pixels.GetHeight(); ++y)
    for (long x = 0; x < pixels.GetWidth(); ++x)
      if (pixels.GetColor(x, y) == TransparentColor)
        bits[static_cast<size_t>(y * rowBytes + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
  return ZQR_Bitmap(
      ZQLOW_WINGDI::CreateBitmap(pixels.GetWidth(), pixels.GetHeight(), 1, 1, bits.data()));
}

}  // namespace

ZQR_TransparentBitmap::ZQR_TransparentBitmap(const ZQR_Bitmap& Bitmap,
                                             const ZQR_Color& TransparentColor, bool Flag)
    : Image(Bitmap),
      Mask(Bitmap.GetHBITMAP() ? CreateMask(Bitmap, TransparentColor) : ZQR_Bitmap()),
      Flag(Flag) {}

// Image XOR background, then black where the mask is 0 (the mask's 0 bits
// take the text colour, its 1 bits the background colour), then XOR the
// image again: opaque pixels end as the image, transparent ones as the
// background. Rows and columns are dropped or repeated, never blended, so
// that the three stretched copies cover the same pixels.
void ZQR_TransparentBitmap::Draw(HDC DC, long X, long Y, long Width, long Height) const {
  ZQ_TRACE_FUNCTION("ZQR_TransparentBitmap::Draw");
  if (!Image.GetHBITMAP()) return;
  const ZQR_SavedDeviceContextState callerState(DC);
  ZQLOW_WINGDI::SetStretchBltMode(DC, COLORONCOLOR);
  Image.Draw(DC, X, Y, Width, Height, SRCINVERT);
  {
    const ZQR_SavedDeviceContextState maskColors(DC);
    ZQLOW_WINGDI::SetTextColor(DC, RGB(0, 0, 0));
    ZQLOW_WINGDI::SetBkColor(DC, RGB(255, 255, 255));
    Mask.Draw(DC, X, Y, Width, Height, SRCAND);
  }
  Image.Draw(DC, X, Y, Width, Height, SRCINVERT);
}
