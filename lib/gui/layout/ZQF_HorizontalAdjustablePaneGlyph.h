// ZQF_HorizontalAdjustablePaneGlyph.h: two panes side by side, split by a
// vertical bar that moves left and right. Its desired size adds the panes'
// sizes and the bar along X (capped at 0x20000000) and takes the larger natural
// and minimum across, whatever the visibility. UI thread only.
#ifndef ZQF_HORIZONTALADJUSTABLEPANEGLYPH_H
#define ZQF_HORIZONTALADJUSTABLEPANEGLYPH_H

#include "ZQF_AdjustablePaneGlyph.h"

class ZQF_HorizontalAdjustablePaneGlyph : public ZQF_AdjustablePaneGlyph {
 public:
  // Clients may be null; Position is the first pane's share, stored as given.
  ZQF_HorizontalAdjustablePaneGlyph(ZQF_Glyph* FirstClient, ZQF_Glyph* SecondClient,
                                    double Position)
      : ZQF_AdjustablePaneGlyph(FirstClient, SecondClient, Position) {}

  void UpdateMyDesiredSize() override { Util_UpdateDesiredSizeAlong(true); }
  bool IsHorizontal() const override { return true; }
  void ComputeLayoutRects(ZQ_Rectangle<long>& First, ZQ_Rectangle<long>& Splitter,
                          ZQ_Rectangle<long>& Second) const override {
    Util_ComputeLayoutRectsAlong(true, First, Splitter, Second);
  }
  void Util_HandleClickOnSeparator() override;
};

#endif
