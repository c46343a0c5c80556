// ZQF_Menu.h: the Windows menu messages as the window hands them on. The
// menus themselves do not exist yet: no menu item has an identifier, so a
// command is never claimed and the other messages do nothing.
#ifndef ZQF_MENU_H
#define ZQF_MENU_H

#include "ZQLOW_Windows.h"

// WM_COMMAND of a menu item; true when a menu element took it.
bool ZQF_HandleWMCommandMessage(UINT Identifier);
void ZQF_HandleWMInitMenuMessage(HMENU Menu);
void ZQF_HandleWMInitMenuPopupMessage(HMENU Menu);
void ZQF_HandleWMMenuSelectMessage(UINT Item, HMENU Menu, UINT Flags);

#endif
