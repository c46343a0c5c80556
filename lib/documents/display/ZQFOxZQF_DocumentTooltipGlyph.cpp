// Document tooltips: the tooltip module shows a tip's document through a
// display control made here, registered with the module at static
// initialisation (the programs link the library whole).
#include "ZQFOxZQF_DocumentDisplayGlyph.h"
#include "ZQF_Tooltips.h"

namespace {

// Sized to the document, at most MaximumWidthFraction of the screen wide
// unless a word is wider; a picture only: disabled and never focused.
ZQF_Glyph* MakeDocumentTooltipGlyph(const ZQ_CountedPtr<ZQFO_Document>& Document,
                                    double MaximumWidthFraction, long MarginX, long MarginY) {
  auto* glyph = new ZQFOxZQF_DocumentDisplayGlyph(*Document);
  glyph->SetSizingMode(ZQFOxZQF_DocumentDisplayGlyph::Sizing_Fixed);
  glyph->SetMaximumWidthFractionOfScreen(MaximumWidthFraction);
  glyph->SetMargins(MarginX, MarginY);
  glyph->SetEnabled(false);
  glyph->SetBorderStyle(1);
  glyph->SetBorderOption(true);
  glyph->MakeUnfocusable();
  return glyph;
}

const bool s_registered = (ZQF_Tooltips_RegisterDocumentGlyphFactory(&MakeDocumentTooltipGlyph), true);

}  // namespace
