#include "ZQF_NullDrawableGlyph.h"

ZQF_NullDrawableGlyph::ZQF_NullDrawableGlyph() {
  DesiredSize.SetX(1, 0, StretchMaximum);
  DesiredSize.SetY(1, 0, StretchMaximum);
  DesiredSize.MakeStale();
}

void ZQF_NullDrawableGlyph::UpdateMyDesiredSize() { DesiredSize.MakeValid(); }
