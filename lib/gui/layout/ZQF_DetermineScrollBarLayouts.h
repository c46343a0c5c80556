// ZQF_DetermineScrollBarLayouts.h: which of a container's two scroll bars
// are needed, and where the bars and the client go. A policy is 0 (never),
// 1 (always) or any other value (as needed). A bar needed only because the
// other one takes room shows only when the other is needed outright, so
// content slightly larger than the room beside the bars shows no bar. The
// corner beside both bars stays empty; a bar not shown gets an all-zero
// rectangle.
#ifndef ZQF_DETERMINESCROLLBARLAYOUTS_H
#define ZQF_DETERMINESCROLLBARLAYOUTS_H

#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"

// Thickness: the width of a vertical bar (X) and the height of a horizontal
// one (Y).
void ZQF_DetermineScrollBarLayouts(const ZQ_Rectangle<long>& Area, const ZQ_Point<long>& ContentSize,
                                   const ZQ_Point<long>& Thickness, int VerticalPolicy,
                                   int HorizontalPolicy, ZQ_Rectangle<long>& ClientRectangle,
                                   ZQ_Rectangle<long>& VerticalBarRectangle,
                                   ZQ_Rectangle<long>& HorizontalBarRectangle);

#endif
