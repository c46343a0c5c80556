#include "ZQIMG_CreateDisabled.h"

#include <vector>

#include "ZQ_StackTrace.h"

namespace {

void SetPixel(ZQIMG_Image& Image, long X, long Y, const ZQR_Color& Color) {
  unsigned char* pixel = Image.GetRow24BitForWriting(Y) + 3 * X;
  pixel[0] = Color.GetBlue();
  pixel[1] = Color.GetGreen();
  pixel[2] = Color.GetRed();
}

}  // namespace

ZQIMG_Image ZQIMG_CreateDisabled(const ZQIMG_Image& Image, const ZQR_Color& Background,
                                 const ZQR_Color& Shadow, const ZQR_Color& Highlight) {
  ZQ_TRACE_FUNCTION("ZQIMG_CreateDisabled");
  if (Image.IsEmpty()) return Image;
  const long width = Image.GetWidth(), height = Image.GetHeight();
  std::vector<bool> mask(static_cast<size_t>(width) * height);
  ZQIMG_Image result(width, height, 24);
  for (long y = 0; y < height; ++y)
    for (long x = 0; x < width; ++x) {
      mask[static_cast<size_t>(y) * width + x] = Image.GetPixelColor(x, y) != Background;
      SetPixel(result, x, y, Background);
    }
  for (long y = 0; y + 1 < height; ++y)
    for (long x = 0; x + 1 < width; ++x)
      if (mask[static_cast<size_t>(y) * width + x]) SetPixel(result, x + 1, y + 1, Highlight);
  for (long y = 0; y < height; ++y)
    for (long x = 0; x < width; ++x)
      if (mask[static_cast<size_t>(y) * width + x]) SetPixel(result, x, y, Shadow);
  return result;
}
