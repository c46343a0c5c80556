#include "ZQIMG_Conversion.h"

#include "ZQ_StackTrace.h"

ZQIMG_Image ZQIMG_ConvertTo24Bits(const ZQIMG_Image& Image) {
  ZQ_TRACE_FUNCTION("ZQIMG_ConvertTo24Bits");
  if (Image.IsEmpty() || Image.GetBitsPerPixel() == 24) return Image;
  ZQIMG_Image converted(Image.GetWidth(), Image.GetHeight(), 24);
  for (long y = 0; y < Image.GetHeight(); ++y) {
    unsigned char* target = converted.GetRow24BitForWriting(y);
    for (long x = 0; x < Image.GetWidth(); ++x, target += 3) {
      const ZQR_Color color = Image.GetPixelColor(x, y);
      target[0] = color.GetBlue();
      target[1] = color.GetGreen();
      target[2] = color.GetRed();
    }
  }
  return converted;
}
