// ZQR_Bitmap.h: a shared bitmap handle. Copies share one bitmap, deleted with
// the last copy; changes to its pixels (ReplaceColor, BitBlt) show in every
// copy, while CreateCompatiableBitmap and CreateScreenCompatiableBitmap give
// this handle a new bitmap of its own. An empty handle has size (0, 0) and
// draws nothing. Failed GDI calls, a missing resource among them, throw
// ZQ_Exception through the wrappers. UI thread only.
#ifndef ZQR_BITMAP_H
#define ZQR_BITMAP_H

#include "ZQLOW_Windows.h"
#include "ZQR_GdiObjectHandle.h"
#include "ZQ_Point.h"
#include "ZQ_String.h"

class ZQR_Color;

class ZQR_Bitmap {
 public:
  // No bitmap.
  ZQR_Bitmap() noexcept = default;
  // The program's bitmap resource of that name, as a bitmap of the screen's
  // format (LoadBitmapA).
  explicit ZQR_Bitmap(const ZQ_String& ResourceName);
  // Takes ownership of Bitmap (null: no bitmap).
  explicit ZQR_Bitmap(HBITMAP Bitmap);

  HBITMAP GetHBITMAP() const noexcept { return Bitmap.Get(); }
  // Width and height in pixels.
  ZQ_Point<long> GetSize() const;
  // Bits per pixel over all colour planes; 0 for no bitmap.
  long GetBitsPerPixel() const;

  // Draws the bitmap into the rectangle X, Y, Width, Height of DC with the
  // raster operation (SRCCOPY, SRCAND...), stretched (StretchBlt, in DC's
  // stretch mode) when the size differs from the bitmap's. A monochrome
  // bitmap is drawn in DC's text colour (0 bits) and background colour.
  void Draw(HDC DC, long X, long Y, long Width, long Height, DWORD RasterOperation) const;
  // Fills the whole bitmap with the pixels of Source from SourceX, SourceY.
  void BitBlt(HDC Source, long SourceX, long SourceY);
  // Replace this handle's bitmap by a new one of that size, its pixels
  // undefined, of the format of DC or of the screen.
  void CreateCompatiableBitmap(HDC DC, long Width, long Height);
  void CreateScreenCompatiableBitmap(long Width, long Height);
  // Every pixel of From becomes To, in the bitmap that the copies share.
  void ReplaceColor(const ZQR_Color& From, const ZQR_Color& To);

 private:
  BITMAP GetDescription() const;

  ZQR_GdiObjectHandle<HBITMAP> Bitmap;
};

#endif
