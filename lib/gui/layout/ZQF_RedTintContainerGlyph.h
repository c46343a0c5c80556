// ZQF_RedTintContainerGlyph.h: a null container that draws its client
// tinted red, to point at the field an error message concerns. The tint is
// made anew at every paint from what the client drew; nothing is kept
// between paints. Failed GDI calls throw through the wrappers. UI thread
// only.
#ifndef ZQF_REDTINTCONTAINERGLYPH_H
#define ZQF_REDTINTCONTAINERGLYPH_H

#include "ZQF_NullContainerGlyph.h"

class ZQIMG_Image;

class ZQF_RedTintContainerGlyph : public ZQF_NullContainerGlyph {
 public:
  explicit ZQF_RedTintContainerGlyph(ZQF_Glyph* Client);

  void DrawChildren(ZQF_Canvas& Canvas) override;

  // Tints every pixel of a 24-bit image in place. Normal displays halve
  // green and blue and move red into the upper half; on displays of 8 bits
  // or fewer per pixel, where the halved colours would dither, red stays and
  // green and blue drop to a quarter.
  static void ShadeRed(ZQIMG_Image& Image, bool LowColorDisplay);
};

#endif
