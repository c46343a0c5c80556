// ZQF_Tooltips.h: what the glyph core provides of the tooltips so far: their
// suspension while another mode (what's-this help) owns the mouse, the
// factory that shows a formatted document as a tooltip, which the document
// display module registers (none by default), and the window's mouse-move
// entry, which shows nothing until the tooltips exist.
#ifndef ZQF_TOOLTIPS_H
#define ZQF_TOOLTIPS_H

#include "ZQ_CountedPtr.h"

class ZQF_Glyph;
class ZQFO_Document;

// While the count is positive, mouse movement starts and ends no tooltip.
void ZQF_Tooltips_Suspend();
// Never below 0.
void ZQF_Tooltips_Resume();
long ZQF_Tooltips_GetSuspensionCount();

// Called by a window for every mouse move while no glyph holds the capture:
// X and Y in client coordinates of the window whose top-level glyph is Glyph.
void ZQF_Tooltips_HandleMouseMove(long X, long Y, ZQF_Glyph* Glyph);

// A glyph that shows Document, sized to it, at most MaximumWidthFraction of
// the screen wide (0 < F <= 1), with MarginX left and right and MarginY top
// and bottom.
using ZQF_TooltipDocumentGlyphFactory = ZQF_Glyph* (*)(const ZQ_CountedPtr<ZQFO_Document>& Document,
                                                       double MaximumWidthFraction, long MarginX,
                                                       long MarginY);
// Returns the factory it replaces.
ZQF_TooltipDocumentGlyphFactory ZQF_Tooltips_RegisterDocumentGlyphFactory(
    ZQF_TooltipDocumentGlyphFactory Factory);
// Null until one is registered.
ZQF_TooltipDocumentGlyphFactory ZQF_Tooltips_GetDocumentGlyphFactory();

#endif
