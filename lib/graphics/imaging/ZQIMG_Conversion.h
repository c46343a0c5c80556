// ZQIMG_Conversion.h: conversions between image depths.
#ifndef ZQIMG_CONVERSION_H
#define ZQIMG_CONVERSION_H

#include "ZQIMG_Image.h"

// The image at 24 bits per pixel: itself (shared) when it has that depth, else
// a new image with each pixel's palette colour. An empty image stays empty.
ZQIMG_Image ZQIMG_ConvertTo24Bits(const ZQIMG_Image& Image);

#endif
