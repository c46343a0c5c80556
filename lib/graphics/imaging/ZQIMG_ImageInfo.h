// ZQIMG_ImageInfo.h: the size and depth of an image file held in memory,
// read from its header without decoding: PNG (signature and IHDR), JPEG (the
// first SOFn marker), TIFF (the first IFD) and BMP (a file beginning "BM",
// or a packed DIB whose header size is 12, 40, 108 or 124). Width and height
// are what the decoder delivers (no rotation, the first page). Truncated or
// implausible data is not recognised. Throws nothing.
#ifndef ZQIMG_IMAGEINFO_H
#define ZQIMG_IMAGEINFO_H

#include "ZQ_String.h"

enum class ZQIMG_ImageFormat { Unknown, BMP, PNG, JPEG, TIFF };

struct ZQIMG_ImageInfo {
  long Width = 0;
  long Height = 0;
  // PNG: bit depth x channels; JPEG: precision x components; TIFF:
  // BitsPerSample x SamplesPerPixel; BMP: the bit count.
  long BitsPerPixel = 0;
  bool Recognised = false;
};

ZQIMG_ImageInfo ZQIMG_GetImageInfo(const ZQ_String& Bytes);
// The same, telling the format too (Unknown when not recognised).
ZQIMG_ImageInfo ZQIMG_GetImageInfo(const ZQ_String& Bytes, ZQIMG_ImageFormat& Format);

#endif
