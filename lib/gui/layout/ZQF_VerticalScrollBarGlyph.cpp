// The vertical scroll bar: its arrow pictures and its axis.
#include "ZQF_VerticalScrollBarGlyph.h"

ZQF_VerticalScrollBarGlyph::ZQF_VerticalScrollBarGlyph(long DocumentSize, long PageSize,
                                                       long LineSize, long SliderPosition,
                                                       bool TrackSlider)
    : ZQF_ScrollBarGlyph("ZQF_ScrollBarUpArrowBitmap", "ZQF_ScrollBarDownArrowBitmap",
                         DocumentSize, PageSize, LineSize, SliderPosition, TrackSlider) {}

int ZQF_VerticalScrollBarGlyph::GetOrientation() const { return 1; }
