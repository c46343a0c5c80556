// Placing a container's scroll bars.
#include "ZQF_DetermineScrollBarLayouts.h"

#include <algorithm>

namespace {

// 2: needed outright; 1: needed once the other bar takes its room; 0: not.
int Need(int Policy, long Content, long Room, long RoomBesideOtherBar) {
  if (Policy == 1) return 2;
  if (Policy == 0) return 0;
  if (Content > Room) return 2;
  return Content > RoomBesideOtherBar ? 1 : 0;
}

bool Shows(int Need, int OtherNeed) { return Need == 2 || (Need == 1 && OtherNeed == 2); }

}  // namespace

void ZQF_DetermineScrollBarLayouts(const ZQ_Rectangle<long>& Area, const ZQ_Point<long>& ContentSize,
                                   const ZQ_Point<long>& Thickness, int VerticalPolicy,
                                   int HorizontalPolicy, ZQ_Rectangle<long>& ClientRectangle,
                                   ZQ_Rectangle<long>& VerticalBarRectangle,
                                   ZQ_Rectangle<long>& HorizontalBarRectangle) {
  const long besideVertical = std::max(Area.Width - Thickness.X, 0L);
  const long besideHorizontal = std::max(Area.Height - Thickness.Y, 0L);
  const int verticalNeed = Need(VerticalPolicy, ContentSize.Y, Area.Height, besideHorizontal);
  const int horizontalNeed = Need(HorizontalPolicy, ContentSize.X, Area.Width, besideVertical);
  const bool vertical = Shows(verticalNeed, horizontalNeed);
  const bool horizontal = Shows(horizontalNeed, verticalNeed);
  const long clientWidth = vertical ? besideVertical : Area.Width;
  const long clientHeight = horizontal ? besideHorizontal : Area.Height;
  VerticalBarRectangle =
      vertical ? ZQ_Rectangle<long>(Area.X + besideVertical, Area.Y, Area.Width - besideVertical,
                                    horizontal ? besideHorizontal : Area.Height)
               : ZQ_Rectangle<long>(0, 0, 0, 0);
  HorizontalBarRectangle = horizontal ? ZQ_Rectangle<long>(Area.X, Area.Y + besideHorizontal,
                                                           clientWidth,
                                                           Area.Height - besideHorizontal)
                                      : ZQ_Rectangle<long>(0, 0, 0, 0);
  ClientRectangle = ZQ_Rectangle<long>(Area.X, Area.Y, clientWidth, clientHeight);
}
