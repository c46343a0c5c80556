// ZQR_BitmapPixels.h: the pixels of a bitmap as colours, read with GetDIBits
// at 32 bits per pixel, top row first, and written back with SetDIBits: the
// colour work of bitmaps (replacing a colour, building a transparency mask)
// is done on them. The bitmap must be selected into no device context while
// it is read or written. Failed GDI calls throw ZQ_Exception. UI thread only.
#ifndef ZQR_BITMAPPIXELS_H
#define ZQR_BITMAPPIXELS_H

#include <vector>

#include "ZQLOW_Windows.h"
#include "ZQR_Color.h"

class ZQR_Bitmap;

class ZQR_BitmapPixels {
 public:
  // Reads every pixel of Bitmap (not empty).
  explicit ZQR_BitmapPixels(const ZQR_Bitmap& Bitmap);

  long GetWidth() const noexcept { return Width; }
  long GetHeight() const noexcept { return Height; }
  // X from the left, Y from the top; both inside the bitmap.
  ZQR_Color GetColor(long X, long Y) const noexcept;
  void SetColor(long X, long Y, const ZQR_Color& Color) noexcept;

  // Stores the pixels in Bitmap, which has the size read.
  void WriteTo(const ZQR_Bitmap& Bitmap) const;

 private:
  BITMAPINFO GetFormat() const noexcept;

  long Width = 0;
  long Height = 0;
  std::vector<RGBQUAD> Pixels;  // row by row, the top row first
};

#endif
