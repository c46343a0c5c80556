// ZQIMG_Image.h: a handle on an image held in a DIB section, so that GDI can
// draw into the pixels (select GetHBITMAP into a memory device context).
// Copies share one pixel store; the writers (GetRow24BitForWriting,
// GetRowForWriting, SetPaletteColor) first make the store private to their
// handle (copy on write). Rows run top-down and are padded to 4 bytes; a
// 24-bit pixel is the three bytes blue, green, red. 1-bit images start black
// and white, 8-bit images with a grey ramp; every pixel starts at 0.
// Making an image throws ZQ_Exception "Error creating image" (translated) for
// a size that is not positive or cannot be allocated. UI thread only.
#ifndef ZQIMG_IMAGE_H
#define ZQIMG_IMAGE_H

#include "ZQLOW_Windows.h"
#include "ZQR_Color.h"
#include "ZQ_CountedBody.h"
#include "ZQ_Point.h"

class ZQIMG_ImageBody;

class ZQIMG_Image {
 public:
  // An empty image: no pixels, size 0 x 0.
  ZQIMG_Image() noexcept;
  // BitsPerPixel 1, 8 or 24 (another fails the assertion "false").
  ZQIMG_Image(long Width, long Height, long BitsPerPixel);
  ~ZQIMG_Image();
  ZQIMG_Image(const ZQIMG_Image& Other) noexcept;
  ZQIMG_Image& operator=(const ZQIMG_Image& Other);

  bool IsEmpty() const noexcept { return Store.IsNull(); }
  ZQ_Point<long> GetSize() const noexcept;
  long GetWidth() const noexcept;
  long GetHeight() const noexcept;
  // 0 for an empty image.
  long GetBitsPerPixel() const noexcept;
  // Bytes from one row to the next.
  long GetBytesPerRow() const noexcept;
  // The DIB section; null for an empty image. The image keeps owning it.
  HBITMAP GetHBITMAP() const noexcept;
  // The header and colour table that describe the pixels (a negative height:
  // top-down), for the DIB functions of GDI; null for an empty image.
  const BITMAPINFO* GetBitmapInfo() const noexcept;

  // Row Y (0 <= Y < height, an assertion) to read; valid while this handle
  // holds the store unchanged. Pending GDI drawing is flushed first.
  const unsigned char* GetRow(long Y) const;
  // Row Y of a 24-bit image (asserts both), after making the store private.
  unsigned char* GetRow24BitForWriting(long Y);
  // Row Y of an image of any depth, after making the store private.
  unsigned char* GetRowForWriting(long Y);

  // The palette of a 1- or 8-bit image (2 or 256 entries); 0 entries at 24
  // bits. Index must lie within it (an assertion).
  long GetPaletteSize() const noexcept;
  ZQR_Color GetPaletteColor(long Index) const;
  // Makes the store private first.
  void SetPaletteColor(long Index, const ZQR_Color& Color);
  // Entries 0 .. Count - 1 at once (Count within the palette, an assertion).
  void SetPalette(const ZQR_Color* Colors, long Count);

  // The palette index of pixel X in a row of a 1- or 8-bit image.
  static unsigned GetPaletteIndex(const unsigned char* Row, long X, long BitsPerPixel) noexcept {
    return BitsPerPixel == 8 ? Row[X] : (Row[X >> 3] >> (7 - (X & 7))) & 1;
  }
  // The colour of pixel (X, Y), through the palette at 1 and 8 bits.
  ZQR_Color GetPixelColor(long X, long Y) const;

  // StretchDIBits to (X, Y) at Width x Height pixels; (0, 0) draws at the
  // image's own size. An empty image draws nothing.
  void Draw(HDC DC, long X, long Y, long Width = 0, long Height = 0) const;
  // The image pixels Source (top-down; right and bottom edges outside) at
  // Width x Height pixels.
  void Draw(HDC DC, long X, long Y, long Width, long Height, const RECT& Source) const;

  // True when both share one pixel store (two empty images are equal).
  bool operator==(const ZQIMG_Image& Other) const noexcept { return Store == Other.Store; }
  bool operator!=(const ZQIMG_Image& Other) const noexcept { return Store != Other.Store; }
  // From the store's address, for maps keyed by image.
  unsigned long GetHashValue() const noexcept;

 private:
  static void DestroyBody(ZQIMG_ImageBody* Body) noexcept;
  void MakeStorePrivate();

  ZQ_CountedHandle<ZQIMG_ImageBody, &ZQIMG_Image::DestroyBody> Store;
};

#endif
