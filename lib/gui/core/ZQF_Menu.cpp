// Placeholders until the menus exist.
#include "ZQF_Menu.h"

bool ZQF_HandleWMCommandMessage(UINT) { return false; }
void ZQF_HandleWMInitMenuMessage(HMENU) {}
void ZQF_HandleWMInitMenuPopupMessage(HMENU) {}
void ZQF_HandleWMMenuSelectMessage(UINT, HMENU, UINT) {}
