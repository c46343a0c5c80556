// ZQIMG_BMPDecoder.h: decodes a BMP file (beginning "BM") or a packed DIB
// (what a BITMAP resource holds) to a 24-bit image: 1, 4, 8, 24 and 32 bits
// per pixel, uncompressed (BI_RGB), with palettes, bottom-up or top-down.
// Compressed and bit-field forms, and damaged data, throw ZQ_Exception
// "Error loading image".
#ifndef ZQIMG_BMPDECODER_H
#define ZQIMG_BMPDECODER_H

#include "ZQIMG_Image.h"
#include "ZQ_String.h"

ZQIMG_Image ZQIMG_DecodeBMP(const ZQ_String& Bytes);

#endif
