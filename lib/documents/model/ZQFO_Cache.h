// ZQFO_Cache.h: the image cache of a renderer, with the widths of the texts
// its layouts measured (ZQFO_TextWidthCache), shared through
// ZQ_CountedPtr<ZQFO_Cache> by a document's renderer and its distribution
// contexts. Each image file or resource is read once; its header gives the
// size for layout, and the image is decoded at its first drawing. Every
// scaled or recoloured variant is made once per (URI, size, colour
// transformation) and kept. Entries live as long as the cache. A missing or
// unrecognised image is the error image; a file whose body cannot be
// decoded throws "Error loading image" once, at its first drawing, and is
// the error image from then on. UI thread only.
#ifndef ZQFO_CACHE_H
#define ZQFO_CACHE_H

#include "ZQIMG_ColorTransformation.h"
#include "ZQIMG_Image.h"
#include "ZQFO_TextWidthCache.h"
#include "ZQ_Map.h"
#include "ZQ_Point.h"
#include "ZQ_URI.h"

struct ZQFO_Cache_ImageKeyType {
  ZQ_URI ImageURI;
  ZQ_Point<long> ImageSize;  // pixels; (0, 0): the image's own size
  ZQIMG_ColorTransformation ColorTransformation;

  // The MD4 digest of the URI text, the size and the transformation.
  unsigned long GetHashValue() const;
  bool operator==(const ZQFO_Cache_ImageKeyType& Other) const;
  // Own size and no transformation.
  bool IsBaseEntry() const { return ImageSize.X == 0 && ColorTransformation.GetNumPairs() == 0; }
};

struct ZQFO_Cache_ImageValueType {
  ZQFO_Cache_ImageValueType();
  ZQIMG_Image Img;  // a 2 x 2 placeholder until decoded
  ZQ_Point<long> Size;
  bool ErrorLoadingImage = false;  // Img is then the error image
  bool ImageDecoded = false;
  ZQ_String RawImageData;  // the file's bytes until decoded
};

struct ZQFO_ImageInfo {
  ZQ_Point<long> Size;  // pixels
  bool ErrorLoadingImage = false;
};

class ZQFO_Cache : public ZQ_Map<ZQFO_Cache_ImageKeyType, ZQFO_Cache_ImageValueType> {
 public:
  ZQFO_Cache();
  ~ZQFO_Cache() override;

  // The image's size and error flag from its header, without decoding.
  ZQFO_ImageInfo GetImageInfo(const ZQ_URI& ImageURI);
  // The image at Size (X 0: its own size) with Transformation applied,
  // shared. The first drawing of an image whose body is damaged throws the
  // decoder's ZQ_Exception; later requests give the error image.
  ZQIMG_Image GetImage(const ZQ_URI& ImageURI, const ZQ_Point<long>& Size,
                       const ZQIMG_ColorTransformation& Transformation);
  ZQFO_TextWidthCache& GetTextWidths() { return TextWidths; }

 private:
  ZQIMG_Image MakeDerivedEntry(const ZQFO_Cache_ImageKeyType& Key);
  void DecodeBaseEntry(const ZQFO_Cache_ImageKeyType& Key, ZQFO_Cache_ImageValueType& Value);

  ZQFO_TextWidthCache TextWidths;
};

#endif
