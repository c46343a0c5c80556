#include "ZQFO_Cache.h"

#include "ZQFO_ErrorImage.h"
#include "ZQIMGIO.h"
#include "ZQIMG_ImageInfo.h"
#include "ZQIMG_Resize.h"
#include "ZQ_Assertion.h"
#include "ZQ_Hasher.h"

namespace {

const long kImageBuckets = 251;
// Smooth scaling: documents show photographs and drawings alike.
const long kResizeMethod = 2;

ZQFO_Cache_ImageKeyType MakeKey(const ZQ_URI& ImageURI, const ZQ_Point<long>& Size,
                                const ZQIMG_ColorTransformation& Transformation) {
  ZQFO_Cache_ImageKeyType key;
  key.ImageURI = ImageURI;
  key.ImageSize = Size;
  key.ColorTransformation = Transformation;
  return key;
}

void MakeErrorEntry(ZQFO_Cache_ImageValueType& Value) {
  Value.Img = ZQFO_GetErrorImage();
  Value.Size = Value.Img.GetSize();
  Value.ErrorLoadingImage = true;
  Value.ImageDecoded = true;
  Value.RawImageData = ZQ_String();
}

}  // namespace

unsigned long ZQFO_Cache_ImageKeyType::GetHashValue() const {
  ZQ_Hasher hasher;
  hasher << ImageURI << ImageSize << ColorTransformation;
  return hasher.GetHash().GetHashValue();
}

bool ZQFO_Cache_ImageKeyType::operator==(const ZQFO_Cache_ImageKeyType& Other) const {
  return ImageSize == Other.ImageSize && ColorTransformation == Other.ColorTransformation &&
         ImageURI == Other.ImageURI;
}

ZQFO_Cache_ImageValueType::ZQFO_Cache_ImageValueType() : Img(2, 2, 24) {}

ZQFO_Cache::ZQFO_Cache() : ZQ_Map<ZQFO_Cache_ImageKeyType, ZQFO_Cache_ImageValueType>(kImageBuckets) {}
ZQFO_Cache::~ZQFO_Cache() = default;

ZQFO_ImageInfo ZQFO_Cache::GetImageInfo(const ZQ_URI& ImageURI) {
  const ZQFO_Cache_ImageKeyType key = MakeKey(ImageURI, ZQ_Point<long>(0, 0), ZQIMG_ColorTransformation());
  if (const Link* link = FindLink(key)) return {link->Value.Size, link->Value.ErrorLoadingImage};
  ZQFO_Cache_ImageValueType value;
  ZQ_String bytes;
  const ZQIMG_ImageInfo header =
      ZQ_AbsoluteURI(ImageURI).GetResourceIfExists(bytes) ? ZQIMG_GetImageInfo(bytes) : ZQIMG_ImageInfo();
  if (header.Recognised) {
    value.Size = ZQ_Point<long>(header.Width, header.Height);
    value.RawImageData = bytes;
  } else {
    MakeErrorEntry(value);
  }
  Insert(key, value);
  return {value.Size, value.ErrorLoadingImage};
}

ZQIMG_Image ZQFO_Cache::GetImage(const ZQ_URI& ImageURI, const ZQ_Point<long>& Size,
                                 const ZQIMG_ColorTransformation& Transformation) {
  const ZQFO_Cache_ImageKeyType key = MakeKey(ImageURI, Size, Transformation);
  Link* link = FindLink(key);
  if (!link) {
    if (!key.IsBaseEntry()) return MakeDerivedEntry(key);
    GetImageInfo(ImageURI);
    link = FindLink(key);
  }
  ZQFO_Cache_ImageValueType& value = link->Value;
  if (!value.ImageDecoded) DecodeBaseEntry(key, value);
  ZQ_ASSERT_TEXT(value.RawImageData.IsEmpty(), "Value.RawImageData.IsNull()");
  ZQ_ASSERT_TEXT(value.ImageDecoded, "Value.ImageDecoded");
  return value.Img;
}

// A body that cannot be decoded is reported once: the entry becomes the error
// image, so that every later drawing shows it without a new exception.
void ZQFO_Cache::DecodeBaseEntry(const ZQFO_Cache_ImageKeyType& Key, ZQFO_Cache_ImageValueType& Value) {
  ZQ_ASSERT_TEXT(!Value.ErrorLoadingImage, "not Value.ErrorLoadingImage");
  ZQ_ASSERT_TEXT(Key.ImageSize.X == 0, "ImageSize.X == 0");
  ZQ_ASSERT_TEXT(Key.ColorTransformation.GetNumPairs() == 0, "ColorTransformation.GetNumPairs() == 0");
  try {
    Value.Img = ZQIMGIO_LoadFromBuffer(Value.RawImageData);
  } catch (...) {
    MakeErrorEntry(Value);
    throw;
  }
  ZQ_ASSERT_TEXT(Value.Size == Value.Img.GetSize(), "Value.Size == Value.Img.GetSize()");
  Value.RawImageData = ZQ_String();
  Value.ImageDecoded = true;
}

ZQIMG_Image ZQFO_Cache::MakeDerivedEntry(const ZQFO_Cache_ImageKeyType& Key) {
  const ZQ_Point<long> ownSize(0, 0);
  const ZQIMG_ColorTransformation none;
  const ZQIMG_Image base = GetImage(Key.ImageURI, ownSize, none);
  ZQFO_Cache_ImageValueType value;
  if (FindLink(MakeKey(Key.ImageURI, ownSize, none))->Value.ErrorLoadingImage) {
    MakeErrorEntry(value);
  } else {
    ZQIMG_Image image = Key.ColorTransformation.Transform(base);
    if (Key.ImageSize.X != 0) image = ZQIMG_Resize(image, Key.ImageSize, kResizeMethod);
    value.Img = image;
    value.Size = image.GetSize();
    value.ImageDecoded = true;
  }
  Insert(Key, value);
  return value.Img;
}
