// The horizontal separator line glyph.
#include "ZQF_HorizontalSeparatorLineGlyph.h"

#include <algorithm>

#include "ZQF_Canvas.h"

ZQF_HorizontalSeparatorLineGlyph::ZQF_HorizontalSeparatorLineGlyph(
    int SeparatorCode, long SpaceAbove, long SpaceBelow, const ZQR_Color& BackgroundColor)
    : SeparatorCode(SeparatorCode),
      SpaceAbove(SpaceAbove),
      SpaceBelow(SpaceBelow),
      BackgroundColor(BackgroundColor) {}

void ZQF_HorizontalSeparatorLineGlyph::UpdateMyDesiredSize() {
  const long height =
      ZQF_Canvas::GetSeparatorLineThickness(SeparatorCode) + SpaceAbove + SpaceBelow;
  DesiredSize.SetFixedX(0);
  DesiredSize.SetFixedY(height);
  DesiredSize.SetInfiniteMaximumX();
}

void ZQF_HorizontalSeparatorLineGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  const long thickness = ZQF_Canvas::GetSeparatorLineThickness(SeparatorCode);
  const long bottom = box.Y + box.Height;
  const long lineY = std::min(box.Y + SpaceAbove, bottom - thickness);
  Canvas.DrawHorizontalSeparatorLine(box.X, box.X + box.Width, lineY, SeparatorCode);
  Canvas.Fill(ZQ_Rectangle<long>(box.X, box.Y, box.Width, lineY - box.Y), BackgroundColor);
  Canvas.Fill(ZQ_Rectangle<long>(box.X, lineY + thickness, box.Width, bottom - (lineY + thickness)),
              BackgroundColor);
}
