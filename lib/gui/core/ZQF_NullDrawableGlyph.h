// ZQF_NullDrawableGlyph.h: the smallest concrete glyph, a spacer and
// placeholder: natural size 1 x 1, minimum 0 x 0, and a maximum of
// 0x20000000 on both axes, so it stretches as far as any layout allows.
// It fills its box with its colour, colour metric 32 (the background of
// labels and controls).
#ifndef ZQF_NULLDRAWABLEGLYPH_H
#define ZQF_NULLDRAWABLEGLYPH_H

#include "ZQF_Color.h"
#include "ZQF_Glyph.h"

class ZQF_NullDrawableGlyph : public ZQF_DrawableGlyph {
 public:
  static constexpr long StretchMaximum = 0x20000000;

  ZQF_NullDrawableGlyph();
  // Its stored size only needs to be valid again.
  void UpdateMyDesiredSize() override;
  void DrawSelf(ZQF_Canvas& Canvas) override;

 protected:
  ZQF_Color Color{32};
};

#endif
