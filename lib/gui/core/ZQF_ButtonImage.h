// ZQF_ButtonImage.h: a small picture of a button (an arrow, a toolbar
// symbol) drawn in two key colours, which are replaced by the button's
// colours when it is drawn: key colour 1 (light grey by default) by the
// face colour, key colour 2 (black) by the text colour. A greyed version
// for disabled buttons is derived from the recoloured one. Both are cached
// for the last pair of colours asked for. A handle on a counted body
// (ZQF_ButtonImageReference); copies share the body and its caches.
// Loading a picture by name throws what the image loader throws. UI thread
// only.
#ifndef ZQF_BUTTONIMAGE_H
#define ZQF_BUTTONIMAGE_H

#include <memory>

#include "ZQIMG_Image.h"
#include "ZQR_Color.h"
#include "ZQ_Point.h"
#include "ZQ_String.h"

class ZQF_ButtonImageReference {
 public:
  // The picture of the program's resource Name, loaded when first drawn.
  ZQF_ButtonImageReference(const ZQ_String& ResourceName, const ZQR_Color& KeyColor1,
                           const ZQR_Color& KeyColor2);
  // A shared copy of Image.
  ZQF_ButtonImageReference(const ZQIMG_Image& Image, const ZQR_Color& KeyColor1,
                           const ZQR_Color& KeyColor2);
  ZQF_ButtonImageReference(const ZQF_ButtonImageReference&) = delete;
  ZQF_ButtonImageReference& operator=(const ZQF_ButtonImageReference&) = delete;

  ZQIMG_Image GetNormalImage(const ZQR_Color& Color1, const ZQR_Color& Color2);
  ZQIMG_Image GetDisabledImage(const ZQR_Color& Color1, const ZQR_Color& Color2);
  // The normal picture's size for the colours of the cache.
  ZQ_Point<long> GetSize();
  // Both hold no image and have equal names, or both hold images sharing
  // their pixels.
  bool IsEqualTo(const ZQF_ButtonImageReference& Other) const;

  long ReferenceCount = 0;

 private:
  bool IsCachedFor(const ZQR_Color& Color1, const ZQR_Color& Color2) const;

  ZQ_String ResourceName;  // empty when the body holds an image
  ZQR_Color KeyColor1;
  ZQR_Color KeyColor2;
  std::unique_ptr<ZQIMG_Image> Image;
  ZQR_Color CacheColor1;
  ZQR_Color CacheColor2;
  std::unique_ptr<ZQIMG_Image> NormalImageCache;
  std::unique_ptr<ZQIMG_Image> DisabledImageCache;
};

class ZQF_ButtonImage {
 public:
  // A blank 2 x 2 picture of 24 bits per pixel with the keys light grey
  // (192, 192, 192) and black.
  ZQF_ButtonImage();
  ZQF_ButtonImage(const ZQ_String& ResourceName, const ZQR_Color& KeyColor1,
                  const ZQR_Color& KeyColor2);
  ZQF_ButtonImage(const ZQIMG_Image& Image, const ZQR_Color& KeyColor1, const ZQR_Color& KeyColor2);
  ZQF_ButtonImage(const ZQF_ButtonImage& Other);
  ZQF_ButtonImage& operator=(const ZQF_ButtonImage& Other);
  // Frees the body with the last handle; asserts "ReferenceCount > 0" (log
  // only).
  ~ZQF_ButtonImage();

  // The picture with key colour 1 replaced by Color1 and key colour 2 by
  // Color2.
  ZQIMG_Image GetNormalImage(const ZQR_Color& Color1, const ZQR_Color& Color2) const;
  // The normal picture for these colours, greyed on Color1 with the button
  // shadow and highlight colours (colour metrics 4 and 6).
  ZQIMG_Image GetDisabledImage(const ZQR_Color& Color1, const ZQR_Color& Color2) const;
  ZQ_Point<long> GetSize() const;

  bool operator==(const ZQF_ButtonImage& Other) const { return Ref->IsEqualTo(*Other.Ref); }
  bool operator!=(const ZQF_ButtonImage& Other) const { return !(*this == Other); }

 private:
  explicit ZQF_ButtonImage(ZQF_ButtonImageReference* Body);
  // Gives up one share of Body, freeing it with the last.
  static void Release(ZQF_ButtonImageReference* Body);

  ZQF_ButtonImageReference* Ref;
};

#endif
