#include "ZQF_Tooltips.h"

namespace {

long s_suspensionCount = 0;
ZQF_TooltipDocumentGlyphFactory s_documentGlyphFactory = nullptr;

}  // namespace

void ZQF_Tooltips_Suspend() { ++s_suspensionCount; }

void ZQF_Tooltips_Resume() {
  if (s_suspensionCount > 0) --s_suspensionCount;
}

long ZQF_Tooltips_GetSuspensionCount() { return s_suspensionCount; }

// No tooltip is shown yet.
void ZQF_Tooltips_HandleMouseMove(long, long, ZQF_Glyph*) {}

ZQF_TooltipDocumentGlyphFactory ZQF_Tooltips_RegisterDocumentGlyphFactory(
    ZQF_TooltipDocumentGlyphFactory Factory) {
  const ZQF_TooltipDocumentGlyphFactory previous = s_documentGlyphFactory;
  s_documentGlyphFactory = Factory;
  return previous;
}

ZQF_TooltipDocumentGlyphFactory ZQF_Tooltips_GetDocumentGlyphFactory() {
  return s_documentGlyphFactory;
}
