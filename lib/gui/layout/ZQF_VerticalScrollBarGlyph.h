// ZQF_VerticalScrollBarGlyph.h: the scroll bar standing upright, an up arrow
// at the top and a down arrow at the bottom; its long axis is y. Its width
// is fixed at size metric 10; it takes whatever height it gets, at least
// three arrow lengths. UI thread only.
#ifndef ZQF_VERTICALSCROLLBARGLYPH_H
#define ZQF_VERTICALSCROLLBARGLYPH_H

#include "ZQF_ScrollBarGlyph.h"

class ZQF_VerticalScrollBarGlyph : public ZQF_ScrollBarGlyph {
 public:
  ZQF_VerticalScrollBarGlyph(long DocumentSize, long PageSize, long LineSize, long SliderPosition,
                             bool TrackSlider);
  // 1.
  int GetOrientation() const override;
};

#endif
