// Placeholder until the menus exist: a right-click request opens nothing.
#include "ZQF_ContextSensitiveMenu.h"

void ZQF_ContextSensitiveMenu_HandleRequest(ZQF_Glyph*) {}
