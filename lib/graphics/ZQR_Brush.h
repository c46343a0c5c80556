// ZQR_Brush.h: a shared brush handle. A solid or pattern brush is deleted
// with its last copy; a stock brush is never deleted. Failed GDI calls throw
// ZQ_Exception through the wrappers. UI thread only.
#ifndef ZQR_BRUSH_H
#define ZQR_BRUSH_H

#include "ZQLOW_Windows.h"
#include "ZQR_GdiObjectHandle.h"

class ZQR_Bitmap;
class ZQR_Color;

class ZQR_Brush {
 public:
  // No brush: GetHBRUSH gives null.
  ZQR_Brush() noexcept = default;
  // A solid brush of the colour.
  explicit ZQR_Brush(const ZQR_Color& Color);
  // The GDI stock object of that number (WHITE_BRUSH, NULL_BRUSH...).
  explicit ZQR_Brush(int StockObject);
  // A pattern brush of the bitmap; a monochrome pattern paints in the text
  // and background colours of the context it fills.
  explicit ZQR_Brush(const ZQR_Bitmap& Pattern);

  HBRUSH GetHBRUSH() const noexcept { return Brush.Get(); }

 private:
  ZQR_GdiObjectHandle<HBRUSH> Brush;
};

#endif
