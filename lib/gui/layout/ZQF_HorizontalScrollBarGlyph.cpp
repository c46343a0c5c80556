// The horizontal scroll bar: its arrow pictures and its axis.
#include "ZQF_HorizontalScrollBarGlyph.h"

ZQF_HorizontalScrollBarGlyph::ZQF_HorizontalScrollBarGlyph(long DocumentSize, long PageSize,
                                                           long LineSize, long SliderPosition,
                                                           bool TrackSlider)
    : ZQF_ScrollBarGlyph("ZQF_ScrollBarLeftArrowBitmap", "ZQF_ScrollBarRightArrowBitmap",
                         DocumentSize, PageSize, LineSize, SliderPosition, TrackSlider) {}

int ZQF_HorizontalScrollBarGlyph::GetOrientation() const { return 0; }
