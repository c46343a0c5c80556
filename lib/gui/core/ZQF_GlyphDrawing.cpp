// Placeholder: glyphs draw through the canvas, which comes with the canvas
// part of the toolkit. Until then drawing draws nothing and clipping reports
// a visible area.
#include "ZQF_Canvas.h"
#include "ZQF_Glyph.h"

void ZQF_Glyph::DrawChildren(ZQF_Canvas&) {}

void ZQF_Glyph::Draw(ZQF_Canvas&) {}

bool ZQF_Glyph::Clip(ZQF_Canvas&, ClipFlag) { return true; }

bool ZQF_Glyph::ExcludeDrawableChildren(ZQF_Glyph*, ZQF_Canvas&, const ZQ_Rectangle<long>&) {
  return true;
}

#include "ZQF_TopLevelGlyph.h"

void ZQF_TopLevelGlyph::DrawSelf(ZQF_Canvas&) {}
