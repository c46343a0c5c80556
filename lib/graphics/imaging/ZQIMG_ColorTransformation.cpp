#include "ZQIMG_ColorTransformation.h"

#include "ZQ_Hasher.h"
#include "ZQ_StackTrace.h"

ZQIMG_ColorTransformation::ZQIMG_ColorTransformation(long Capacity) {
  if (Capacity > 0) Pairs.reserve(static_cast<size_t>(Capacity));
}

void ZQIMG_ColorTransformation::AddPair(const ZQR_Color& From, const ZQR_Color& To) {
  Pairs.push_back(Pair{From, To});
}

ZQR_Color ZQIMG_ColorTransformation::GetFromColor(long Index) const {
  ZQ_ASSERT((0 <= Index) and (Index < GetNumPairs()));
  return Pairs[static_cast<size_t>(Index)].From;
}

ZQR_Color ZQIMG_ColorTransformation::GetToColor(long Index) const {
  ZQ_ASSERT((0 <= Index) and (Index < GetNumPairs()));
  return Pairs[static_cast<size_t>(Index)].To;
}

ZQR_Color ZQIMG_ColorTransformation::Map(const ZQR_Color& Color) const {
  for (const Pair& pair : Pairs)
    if (pair.From == Color) return pair.To;
  return Color;
}

ZQIMG_Image ZQIMG_ColorTransformation::Transform(const ZQIMG_Image& Image) const {
  ZQ_TRACE_FUNCTION("ZQIMG_ColorTransformation::Transform");
  if (Pairs.empty() || Image.IsEmpty()) return Image;
  ZQIMG_Image result = Image;
  if (Image.GetBitsPerPixel() != 24) {
    ZQR_Color palette[256];
    for (long i = 0; i < Image.GetPaletteSize(); ++i) palette[i] = Map(Image.GetPaletteColor(i));
    result.SetPalette(palette, Image.GetPaletteSize());
    return result;
  }
  for (long y = 0; y < Image.GetHeight(); ++y) {
    unsigned char* pixel = result.GetRow24BitForWriting(y);
    for (long x = 0; x < Image.GetWidth(); ++x, pixel += 3) {
      const ZQR_Color mapped = Map(ZQR_Color(pixel[2], pixel[1], pixel[0]));
      pixel[0] = mapped.GetBlue();
      pixel[1] = mapped.GetGreen();
      pixel[2] = mapped.GetRed();
    }
  }
  return result;
}

ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQIMG_ColorTransformation& Transformation) {
  Hasher << Transformation.GetNumPairs();
  for (long i = 0; i < Transformation.GetNumPairs(); ++i)
    Hasher << Transformation.GetFromColor(i) << Transformation.GetToColor(i);
  return Hasher;
}
