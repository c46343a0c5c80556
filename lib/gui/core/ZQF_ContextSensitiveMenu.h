// ZQF_ContextSensitiveMenu.h: the right-click menu of a window, built from
// what the glyphs under the pointer offer.
#ifndef ZQF_CONTEXTSENSITIVEMENU_H
#define ZQF_CONTEXTSENSITIVEMENU_H

class ZQF_Glyph;

// Handles one right-click request from the (top-level) glyph.
void ZQF_ContextSensitiveMenu_HandleRequest(ZQF_Glyph* Glyph);

#endif
