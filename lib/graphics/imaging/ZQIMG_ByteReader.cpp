#include "ZQIMG_ByteReader.h"

#include <new>

#include "ZQIMG_Image.h"
#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"

void ZQIMG_ThrowLoadError(const char* Description) {
  throw ZQ_Exception(ZQ_Internationalization_Translate("Error loading image"),
                     ZQ_Internationalization_Translate(Description));
}

void ZQIMG_CheckDecodedSize(long long Width, long long Height) {
  if (Width <= 0 || Height <= 0) ZQIMG_ThrowLoadError("The image has no pixels.");
  if (Width > ZQIMG_MaxDecodedSide || Height > ZQIMG_MaxDecodedSide ||
      Width * Height > ZQIMG_MaxDecodedPixels)
    ZQIMG_ThrowLoadError(
        "The image is larger than 65,535 pixels a side or 67,108,864 pixels in all.");
}

ZQIMG_Image ZQIMG_MakeDecodedImage(long Width, long Height) {
  try {
    return ZQIMG_Image(Width, Height, 24);
  } catch (const ZQ_Exception&) {
    // The size is within the limits: only memory can be short.
  } catch (const std::bad_alloc&) {
  }
  ZQIMG_ThrowLoadError("There is not enough memory for the image.");
}
