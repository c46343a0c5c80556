// ZQIMG_Resize.h: an image scaled to a new size. A size equal to the image's
// returns the image itself (shared); otherwise both new sides must be
// positive (assertion "(NewSize.X > 0) and (NewSize.Y > 0)"). Methods: 0
// nearest neighbour, keeping the depth and palette; 1 bilinear and 2 the
// average of the covered source area when shrinking (bilinear when growing),
// both at 24 bits per pixel. Another method fails the assertion "false".
// Progress is reported as "Resizing Image", one step per output row.
#ifndef ZQIMG_RESIZE_H
#define ZQIMG_RESIZE_H

#include "ZQIMG_Image.h"
#include "ZQ_Point.h"

ZQIMG_Image ZQIMG_Resize(const ZQIMG_Image& Image, const ZQ_Point<long>& NewSize, long Method);
ZQIMG_Image ZQIMG_Resize(const ZQIMG_Image& Image, long Width, long Height, long Method);

#endif
