// ZQF_ControlGlyph.h: the base of the glyphs the user operates (buttons,
// edits, lists...). Labels find the control they label by this class
// (ZQF_Glyph::SearchForChildControl). It adds nothing yet.
#ifndef ZQF_CONTROLGLYPH_H
#define ZQF_CONTROLGLYPH_H

#include "ZQF_Glyph.h"

class ZQF_ControlGlyph : public ZQF_DrawableGlyph {};

#endif
