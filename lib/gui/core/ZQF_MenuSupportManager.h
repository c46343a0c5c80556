// ZQF_MenuSupportManager.h: the numbers between the menu trees and Windows.
// Every selectable menu element holds a menu identifier from its
// construction to its destruction; freed identifiers are handed out again,
// the last freed first. Every Windows submenu a tree built is known by its
// handle until it is rebuilt or its element goes. The Windows menu messages
// are mapped back to the elements here. Misuse fails assertions. Module
// state; UI thread only.
#ifndef ZQF_MENUSUPPORTMANAGER_H
#define ZQF_MENUSUPPORTMANAGER_H

#include "ZQLOW_Windows.h"

class ZQF_SelectableMenuElement;
class ZQF_ParentMenuElement;

class ZQF_MenuSupportManager {
 public:
  // The last freed identifier, or the next unused one (the first is 1).
  static unsigned long GetNewID();
  static void RegisterMenuID(unsigned long MenuID, ZQF_SelectableMenuElement* Element);
  // Frees the identifier.
  static void DeregisterMenuID(unsigned long MenuID, ZQF_SelectableMenuElement* Element);
  static void RegisterSubmenu(HMENU MenuHandle, ZQF_ParentMenuElement* Element);
  static void DeregisterSubmenu(HMENU MenuHandle, ZQF_ParentMenuElement* Element);

  // The chosen item responds; its description is on the trace stack
  // meanwhile. Returns the item's answer.
  static bool HandleWMCommandMessage(unsigned long MenuID);
  // The items of the opening pop-up are enabled or disabled.
  static void HandleWMInitMenuPopupMessage(HMENU MenuHandle);

  // How many identifiers and submenus are registered.
  static long GetNumRegisteredMenuIDs();
  static long GetNumRegisteredSubmenus();
};

#endif
