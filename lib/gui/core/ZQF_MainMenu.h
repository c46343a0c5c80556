// ZQF_MainMenu.h: the menu bar of a window. Attaching builds a new Windows
// menu from the tree, replaces (and destroys) the window's old one and
// remembers a hash of the tree; UpdateShadowMenuIfNecessary, called from a
// repeating idle action, attaches again only when the tree's hash changed,
// so elements added or replaced at run time show on the next idle turn.
// The window is borrowed. UI thread only.
#ifndef ZQF_MAINMENU_H
#define ZQF_MAINMENU_H

#include "ZQF_Menu.h"
#include "ZQ_UID.h"

class ZQF_Window;

class ZQF_MainMenu : public ZQF_Menu {
 public:
  // Window may be null until set.
  explicit ZQF_MainMenu(ZQF_Window* AssociatedWindow = nullptr)
      : AssociatedWindow(AssociatedWindow) {}

  // Builds the tree.
  void Init_Build() { BuildMenu(); }
  // Asserts "AssociatedWindow".
  void Attach();
  // Attaches when the tree changed since the last attach; true when it did.
  bool UpdateShadowMenuIfNecessary();

  void SetAssociatedWindow(ZQF_Window* Window) { AssociatedWindow = Window; }
  ZQF_Window* GetAssociatedWindow() const { return AssociatedWindow; }

 private:
  ZQ_UID ComputeTreeHash();

  ZQF_Window* AssociatedWindow;
  ZQ_UID HashAtLastAttach;
};

#endif
