// ZQF_VerticalAdjustablePaneGlyph.h: two panes stacked, split by a horizontal
// bar that moves up and down. Its desired size adds the panes' sizes and the
// bar along Y (capped at 0x20000000) and takes the larger natural and minimum
// across, whatever the visibility. UI thread only.
#ifndef ZQF_VERTICALADJUSTABLEPANEGLYPH_H
#define ZQF_VERTICALADJUSTABLEPANEGLYPH_H

#include "ZQF_AdjustablePaneGlyph.h"

class ZQF_VerticalAdjustablePaneGlyph : public ZQF_AdjustablePaneGlyph {
 public:
  // Clients may be null; Position is the first pane's share, stored as given.
  ZQF_VerticalAdjustablePaneGlyph(ZQF_Glyph* FirstClient, ZQF_Glyph* SecondClient, double Position)
      : ZQF_AdjustablePaneGlyph(FirstClient, SecondClient, Position) {}

  void UpdateMyDesiredSize() override { Util_UpdateDesiredSizeAlong(false); }
  bool IsHorizontal() const override { return false; }
  void ComputeLayoutRects(ZQ_Rectangle<long>& First, ZQ_Rectangle<long>& Splitter,
                          ZQ_Rectangle<long>& Second) const override {
    Util_ComputeLayoutRectsAlong(false, First, Splitter, Second);
  }
  void Util_HandleClickOnSeparator() override;
};

#endif
