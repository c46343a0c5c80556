// ZQF_Menu.h: menus described by a tree of menu elements (ZQF_MenuElement.h)
// instead of Windows menu handles, the Windows menu messages as the window
// hands them on, and shortcut (pop-up) menus. A ZQF_Menu owns its tree,
// which a subclass fills in BuildSubmenus; each build of its Windows menu
// (the shadow menu) starts from a fresh handle.
// The last shortcut menu and its tree stay alive after TrackPopupMenu
// returns, because the chosen item's WM_COMMAND arrives afterwards; the next
// shortcut menu or stage 12 ends them. Misuse fails assertions. UI thread
// only.
#ifndef ZQF_MENU_H
#define ZQF_MENU_H

#include "ZQLOW_Windows.h"

class ZQF_RootGroupMenuElement;
class ZQF_ShortcutParentMenuElement;

class ZQF_Menu {
 public:
  ZQF_Menu() = default;
  ZQF_Menu(const ZQF_Menu&) = delete;
  ZQF_Menu& operator=(const ZQF_Menu&) = delete;
  // Deletes the tree.
  virtual ~ZQF_Menu();
  // Adds the menu's elements under Root.
  virtual void BuildSubmenus(ZQF_RootGroupMenuElement* Root) = 0;

  // Replaces the tree by a new one: an empty root without a dispatch target
  // (commands go to the main window), filled by BuildSubmenus.
  void BuildMenu();
  // A new menu bar (CreateMenu) holding the tree's items; the caller owns it.
  HMENU CreateNewShadowMenu();
  // Null until built.
  ZQF_RootGroupMenuElement* GetRoot() const { return Root; }

 private:
  ZQF_RootGroupMenuElement* Root = nullptr;
};

// WM_COMMAND of a menu item (notification code 0, identifier not 0): the
// item's command is sent; true when an item took it. An identifier no item
// holds fails "CommandRoutingMap.ContainsKey (MenuID)".
bool ZQF_HandleWMCommandMessage(UINT Identifier);
// Nothing to do: 0.
long ZQF_HandleWMInitMenuMessage(HMENU Menu);
// A pop-up other than the system menu opens: its items are enabled or
// greyed by their update queries.
void ZQF_HandleWMInitMenuPopupMessage(HMENU Menu);
// Nothing to do: 0.
long ZQF_HandleWMMenuSelectMessage(UINT Item, HMENU Menu, UINT Flags);

// Shows Element (owned from then on) as a pop-up menu at the mouse cursor,
// its commands sent to the top-level glyph of the focused window (or of the
// main window); shows nothing when it adds no items. Asserts "MainWindow".
void ZQF_RunShortcutMenu(ZQF_ShortcutParentMenuElement* Element);
// The root of the last shortcut menu's tree, or null.
ZQF_RootGroupMenuElement* ZQF_GetLastShortcutMenuRoot();

// Stage 12 ends the last shortcut menu. Registered by this module.
void ZQF_Menu_InitializationServiceCallback(int Stage);

#endif
