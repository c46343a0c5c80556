// ZQIMG_Conversion.h: conversions between image depths, and between images
// and device-dependent bitmaps. UI thread only.
#ifndef ZQIMG_CONVERSION_H
#define ZQIMG_CONVERSION_H

#include "ZQIMG_Image.h"
#include "ZQLOW_Windows.h"
#include "ZQR_Bitmap.h"

// The image at 24 bits per pixel: itself (shared) when it has that depth, else
// a new image with each pixel's palette colour. An empty image stays empty.
ZQIMG_Image ZQIMG_ConvertTo24Bits(const ZQIMG_Image& Image);

// The bitmap's pixels as an image of Depth bits per pixel; only 24 is made
// (another depth fails the assertion "Depth == 24"). A bitmap without pixels
// gives an empty image. Failed GDI calls throw through the wrappers.
ZQIMG_Image ZQIMG_BitmapToImage(const ZQR_Bitmap& Bitmap, long Depth);

// A device-dependent bitmap of DC's format (the screen's for null, whose
// context is released at once) holding the image's pixels; an empty image
// gives an empty bitmap.
ZQR_Bitmap ZQIMG_ImageToBitmap(const ZQIMG_Image& Image, HDC DC = nullptr);

#endif
