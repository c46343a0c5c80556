// ZQIMG_CreateDisabled.h: the greyed, embossed form of a button picture.
#ifndef ZQIMG_CREATEDISABLED_H
#define ZQIMG_CREATEDISABLED_H

#include "ZQIMG_Image.h"
#include "ZQR_Color.h"

// A 24-bit image of Image's size filled with Background. Every pixel of Image
// that differs from Background is drawn in Highlight one pixel right and
// down, then in Shadow in its place. (Button pictures are two-colour: a
// lightness rule would lose light glyphs on dark colour schemes.)
ZQIMG_Image ZQIMG_CreateDisabled(const ZQIMG_Image& Image, const ZQR_Color& Background,
                                 const ZQR_Color& Shadow, const ZQR_Color& Highlight);

#endif
