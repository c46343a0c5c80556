// ZQIMG_PNGEncoder.h: encodes an image as a 24-bit RGB PNG file (1- and
// 8-bit images through their palettes), non-interlaced. Each row takes the
// filter whose output has the smallest sum of absolute values (as signed
// bytes); the data is deflated at zlib level 6 into one IDAT chunk. The same
// image always gives the same bytes. The image must not be empty (an
// assertion).
#ifndef ZQIMG_PNGENCODER_H
#define ZQIMG_PNGENCODER_H

#include "ZQIMG_Image.h"
#include "ZQ_String.h"

ZQ_String ZQIMG_EncodePNG(const ZQIMG_Image& Image);

#endif
