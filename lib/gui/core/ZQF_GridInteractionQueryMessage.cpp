// The containing grid's interaction queries.
#include "ZQF_GridInteractionQueryMessage.h"

ZQF_MessageRouter* ZQF_GridGlyph_ContainingGridInteractionQueryKeyMessage::GetDefaultRouter() {
  return ZQF_GetFocusPathRouter(false);
}

bool ZQF_IsNavigationKeyMessage(
    const ZQF_GridGlyph_ContainingGridInteractionQueryKeyMessage& Query) {
  switch (Query.GetKeyMessage().GetKeyCode()) {
    case ZQF_Key_PageUp:
    case ZQF_Key_PageDown:
    case ZQF_Key_Home:
    case ZQF_Key_End:
    case ZQF_Key_Tab:
    case ZQF_Key_Left:
    case ZQF_Key_Enter:
    case ZQF_Key_Right:
    case ZQF_Key_Up:
    case ZQF_Key_Down:
      return true;
    default:
      return false;
  }
}
