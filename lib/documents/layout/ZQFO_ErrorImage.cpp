#include "ZQFO_ErrorImage.h"

#include "ZQIMGIO.h"

// A failed load leaves the slot empty: the next call tries again.
ZQIMG_Image ZQFO_GetErrorImage() {
  static const ZQIMG_Image s_image = ZQIMG_LoadFromResource_BMP("ZQFO_ErrorImage");
  return s_image;
}
