// The containing grid's interaction queries.
#include "ZQF_GridInteractionQueryMessage.h"

ZQF_MessageRouter* ZQF_GridGlyph_ContainingGridInteractionQueryKeyMessage::GetDefaultRouter() {
  return ZQF_GetFocusPathRouter(false);
}

bool ZQF_IsNavigationKeyMessage(
    const ZQF_GridGlyph_ContainingGridInteractionQueryKeyMessage& Query) {
  const int code = Query.GetKeyMessage().GetKeyCode();
  return (code >= 1 && code <= 4) || code == 9 || code == 11 || (code >= 13 && code <= 16);
}
