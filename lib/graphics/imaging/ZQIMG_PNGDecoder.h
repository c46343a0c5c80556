// ZQIMG_PNGDecoder.h: decodes a PNG file to a 24-bit image: colour types 0,
// 2, 3, 4 and 6 at every allowed depth, with or without Adam7 interlacing.
// Alpha and tRNS transparency are composited on white (16-bit samples are
// first rounded to 8 bits). The CRC of every chunk is checked, and the image
// data must inflate to exactly the size the header promises. Damaged or
// unsupported data throws ZQ_Exception "Error loading image".
#ifndef ZQIMG_PNGDECODER_H
#define ZQIMG_PNGDECODER_H

#include "ZQIMG_Image.h"
#include "ZQ_String.h"

ZQIMG_Image ZQIMG_DecodePNG(const ZQ_String& Bytes);

#endif
