// ZQF_HorizontalScrollBarGlyph.h: the scroll bar lying flat, a left arrow at
// the left and a right arrow at the right; its long axis is x. Its height is
// fixed at size metric 10; it takes whatever width it gets, at least three
// arrow lengths. UI thread only.
#ifndef ZQF_HORIZONTALSCROLLBARGLYPH_H
#define ZQF_HORIZONTALSCROLLBARGLYPH_H

#include "ZQF_ScrollBarGlyph.h"

class ZQF_HorizontalScrollBarGlyph : public ZQF_ScrollBarGlyph {
 public:
  ZQF_HorizontalScrollBarGlyph(long DocumentSize, long PageSize, long LineSize,
                               long SliderPosition, bool TrackSlider);
  // 0.
  int GetOrientation() const override;
};

#endif
