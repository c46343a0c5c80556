// ZQF_HorizontalSeparatorLineGlyph.h: a horizontal separator line of a
// canvas separator style with background bands above and below. Exactly
// as high as the line and the two spaces, as wide as it is given; when
// given less height, the line moves up so that it stays whole.
#ifndef ZQF_HORIZONTALSEPARATORLINEGLYPH_H
#define ZQF_HORIZONTALSEPARATORLINEGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQR_Color.h"

class ZQF_HorizontalSeparatorLineGlyph : public ZQF_DrawableGlyph {
 public:
  // SeparatorCode: a ZQF_Canvas separator code (0 to 5); spaces in pixels.
  ZQF_HorizontalSeparatorLineGlyph(int SeparatorCode, long SpaceAbove, long SpaceBelow,
                                   const ZQR_Color& BackgroundColor);

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;

 private:
  int SeparatorCode;
  long SpaceAbove;
  long SpaceBelow;
  ZQR_Color BackgroundColor;
};

#endif
