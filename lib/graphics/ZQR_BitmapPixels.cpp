#include "ZQR_BitmapPixels.h"

#include "ZQLOW_WINGDI_Owned.h"
#include "ZQR_Bitmap.h"

namespace {

// GetDIBits and SetDIBits take a context only for its palette: a memory
// context of the screen serves every bitmap.
ZQ_OwnedDC CreateScreenMemoryDC() { return ZQ_OwnedDC(ZQLOW_WINGDI::CreateCompatibleDC(nullptr)); }

}  // namespace

ZQR_BitmapPixels::ZQR_BitmapPixels(const ZQR_Bitmap& Bitmap) {
  const ZQ_Point<long> size = Bitmap.GetSize();
  Width = size.X;
  Height = size.Y;
  Pixels.resize(static_cast<size_t>(Width) * static_cast<size_t>(Height));
  BITMAPINFO format = GetFormat();
  const ZQ_OwnedDC dc = CreateScreenMemoryDC();
  ZQLOW_WINGDI::GetDIBits(dc.Get(), Bitmap.GetHBITMAP(), 0, static_cast<UINT>(Height),
                          Pixels.data(), &format, DIB_RGB_COLORS);
}

ZQR_Color ZQR_BitmapPixels::GetColor(long X, long Y) const noexcept {
  const RGBQUAD& pixel = Pixels[static_cast<size_t>(Y * Width + X)];
  return ZQR_Color(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue);
}

void ZQR_BitmapPixels::SetColor(long X, long Y, const ZQR_Color& Color) noexcept {
  RGBQUAD& pixel = Pixels[static_cast<size_t>(Y * Width + X)];
  pixel = RGBQUAD{Color.GetBlue(), Color.GetGreen(), Color.GetRed(), 0};
}

void ZQR_BitmapPixels::WriteTo(const ZQR_Bitmap& Bitmap) const {
  const BITMAPINFO format = GetFormat();
  const ZQ_OwnedDC dc = CreateScreenMemoryDC();
  ZQLOW_WINGDI::SetDIBits(dc.Get(), Bitmap.GetHBITMAP(), 0, static_cast<UINT>(Height),
                          Pixels.data(), &format, DIB_RGB_COLORS);
}

// 32 bits per pixel, top-down (negative height): rows need no padding.
BITMAPINFO ZQR_BitmapPixels::GetFormat() const noexcept {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = Width;
  format.bmiHeader.biHeight = -Height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  return format;
}
