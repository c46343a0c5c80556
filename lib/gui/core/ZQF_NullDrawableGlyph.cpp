#include "ZQF_NullDrawableGlyph.h"

#include "ZQF_Canvas.h"

ZQF_NullDrawableGlyph::ZQF_NullDrawableGlyph() {
  DesiredSize.SetX(1, 0, StretchMaximum);
  DesiredSize.SetY(1, 0, StretchMaximum);
  DesiredSize.MakeStale();
}

void ZQF_NullDrawableGlyph::UpdateMyDesiredSize() { DesiredSize.MakeValid(); }

void ZQF_NullDrawableGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  Canvas.Fill(GetLocalBoundingBox(), Color.GetColor());
}
