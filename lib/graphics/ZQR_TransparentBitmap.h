// ZQR_TransparentBitmap.h: a bitmap drawn through a monochrome mask of its
// pixels of one colour, which then show the background. Copies share both
// bitmaps. An empty one (the default) draws nothing. Failed GDI calls throw
// ZQ_Exception through the wrappers. UI thread only.
#ifndef ZQR_TRANSPARENTBITMAP_H
#define ZQR_TRANSPARENTBITMAP_H

#include "ZQLOW_Windows.h"
#include "ZQR_Bitmap.h"
#include "ZQR_Color.h"

class ZQR_TransparentBitmap {
 public:
  ZQR_TransparentBitmap() = default;
  // Shares Bitmap and builds the mask of its pixels of TransparentColor.
  // Flag is kept for the callers that pass it and changes nothing.
  ZQR_TransparentBitmap(const ZQR_Bitmap& Bitmap, const ZQR_Color& TransparentColor,
                        bool Flag = true);

  // Draws the bitmap stretched to X, Y, Width, Height of DC; the pixels of
  // the transparent colour leave DC's pixels as they were.
  void Draw(HDC DC, long X, long Y, long Width, long Height) const;

  // The bitmap's size in pixels.
  ZQ_Point<long> GetSize() const { return Image.GetSize(); }
  const ZQR_Bitmap& GetBitmap() const noexcept { return Image; }

 private:
  ZQR_Bitmap Image;
  ZQR_Bitmap Mask;  // 1 (white) where Image has the transparent colour
  bool Flag = true;
};

#endif
