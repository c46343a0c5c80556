#include "ZQF_ButtonImage.h"

#include "ZQF_Metrics.h"
#include "ZQIMGIO.h"
#include "ZQIMG_ColorTransformation.h"
#include "ZQIMG_CreateDisabled.h"
#include "ZQ_Assertion.h"

namespace {

// The button face and text colours until the first request.
const int kFaceColor = ZQF_ColorMetric_ButtonFace;
const int kTextColor = ZQF_ColorMetric_ButtonText;
const int kShadowColor = ZQF_ColorMetric_ButtonShadow;
const int kHighlightColor = ZQF_ColorMetric_ButtonHighlight;

}  // namespace

ZQF_ButtonImageReference::ZQF_ButtonImageReference(const ZQ_String& ResourceName,
                                                   const ZQR_Color& KeyColor1,
                                                   const ZQR_Color& KeyColor2)
    : ResourceName(ResourceName),
      KeyColor1(KeyColor1),
      KeyColor2(KeyColor2),
      CacheColor1(ZQF_GetColorMetric(kFaceColor)),
      CacheColor2(ZQF_GetColorMetric(kTextColor)) {}

ZQF_ButtonImageReference::ZQF_ButtonImageReference(const ZQIMG_Image& Image,
                                                   const ZQR_Color& KeyColor1,
                                                   const ZQR_Color& KeyColor2)
    : ZQF_ButtonImageReference(ZQ_String(), KeyColor1, KeyColor2) {
  this->Image.reset(new ZQIMG_Image(Image));
}

bool ZQF_ButtonImageReference::IsCachedFor(const ZQR_Color& Color1, const ZQR_Color& Color2) const {
  return Color1 == CacheColor1 && Color2 == CacheColor2;
}

ZQIMG_Image ZQF_ButtonImageReference::GetNormalImage(const ZQR_Color& Color1,
                                                     const ZQR_Color& Color2) {
  if (NormalImageCache && IsCachedFor(Color1, Color2)) return *NormalImageCache;
  NormalImageCache.reset();
  if (!IsCachedFor(Color1, Color2)) DisabledImageCache.reset();
  const ZQIMG_Image picture = Image ? *Image : ZQIMGIO_LoadFromResource(ResourceName, 0);
  ZQIMG_ColorTransformation recolouring(2);
  recolouring.AddPair(KeyColor1, Color1);
  recolouring.AddPair(KeyColor2, Color2);
  NormalImageCache.reset(new ZQIMG_Image(recolouring.Transform(picture)));
  CacheColor1 = Color1;
  CacheColor2 = Color2;
  return *NormalImageCache;
}

ZQIMG_Image ZQF_ButtonImageReference::GetDisabledImage(const ZQR_Color& Color1,
                                                       const ZQR_Color& Color2) {
  if (DisabledImageCache && IsCachedFor(Color1, Color2)) return *DisabledImageCache;
  DisabledImageCache.reset();
  const ZQIMG_Image normal = GetNormalImage(Color1, Color2);
  DisabledImageCache.reset(new ZQIMG_Image(ZQIMG_CreateDisabled(
      normal, Color1, ZQF_GetColorMetric(kShadowColor), ZQF_GetColorMetric(kHighlightColor))));
  return *DisabledImageCache;
}

ZQ_Point<long> ZQF_ButtonImageReference::GetSize() {
  return GetNormalImage(CacheColor1, CacheColor2).GetSize();
}

bool ZQF_ButtonImageReference::IsEqualTo(const ZQF_ButtonImageReference& Other) const {
  if (!Image && !Other.Image) return ResourceName == Other.ResourceName;
  return Image && Other.Image && *Image == *Other.Image;
}

ZQF_ButtonImage::ZQF_ButtonImage()
    : ZQF_ButtonImage(new ZQF_ButtonImageReference(ZQIMG_Image(2, 2, 24), ZQR_Color_LightGray,
                                                   ZQR_Color_Black)) {}

ZQF_ButtonImage::ZQF_ButtonImage(const ZQ_String& ResourceName, const ZQR_Color& KeyColor1,
                                 const ZQR_Color& KeyColor2)
    : ZQF_ButtonImage(new ZQF_ButtonImageReference(ResourceName, KeyColor1, KeyColor2)) {}

ZQF_ButtonImage::ZQF_ButtonImage(const ZQIMG_Image& Image, const ZQR_Color& KeyColor1,
                                 const ZQR_Color& KeyColor2)
    : ZQF_ButtonImage(new ZQF_ButtonImageReference(Image, KeyColor1, KeyColor2)) {}

ZQF_ButtonImage::ZQF_ButtonImage(ZQF_ButtonImageReference* Body) : Ref(Body) {
  ++Ref->ReferenceCount;
}

ZQF_ButtonImage::ZQF_ButtonImage(const ZQF_ButtonImage& Other) : Ref(Other.Ref) {
  ++Ref->ReferenceCount;
}

ZQF_ButtonImage& ZQF_ButtonImage::operator=(const ZQF_ButtonImage& Other) {
  // The new body first: a handle assigned to itself keeps its body.
  ZQF_ButtonImageReference* const previous = Ref;
  ++Other.Ref->ReferenceCount;
  Ref = Other.Ref;
  Release(previous);
  return *this;
}

ZQF_ButtonImage::~ZQF_ButtonImage() { Release(Ref); }

void ZQF_ButtonImage::Release(ZQF_ButtonImageReference* Body) {
  ZQ_ASSERT_TEXT_LOG_ONLY(Body->ReferenceCount > 0, "ReferenceCount > 0");
  if (Body->ReferenceCount-- == 1) delete Body;
}

ZQIMG_Image ZQF_ButtonImage::GetNormalImage(const ZQR_Color& Color1, const ZQR_Color& Color2) const {
  return Ref->GetNormalImage(Color1, Color2);
}

ZQIMG_Image ZQF_ButtonImage::GetDisabledImage(const ZQR_Color& Color1,
                                              const ZQR_Color& Color2) const {
  return Ref->GetDisabledImage(Color1, Color2);
}

ZQ_Point<long> ZQF_ButtonImage::GetSize() const { return Ref->GetSize(); }
