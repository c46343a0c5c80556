// ZQF_ContextSensitiveMenu.h: the right-click menu of a window, collected
// from the glyphs under the pointer. The menu is a shortcut menu with six
// sections: 0 the menu itself, 1 a separated group (its only child), 2 to 5
// plain groups inside section 1, so that elements put into different
// sections 2 to 5 are set off by separators and empty sections leave no
// trace. The menu owns the elements added to it. Misuse fails assertions.
// UI thread only.
#ifndef ZQF_CONTEXTSENSITIVEMENU_H
#define ZQF_CONTEXTSENSITIVEMENU_H

#include "ZQF_ParentMenuElement.h"
#include "ZQ_Array.h"

class ZQF_Glyph;

class ZQF_ContextSensitiveMenu : public ZQF_ShortcutParentMenuElement {
 public:
  // Builds the six sections.
  ZQF_ContextSensitiveMenu();
  // Puts NewElement (owned from then on; deleted when refused) relative to the element of
  // MenuSection with ZQF_MenuElement::Add's positions.
  void AddElement(ZQF_MenuElement* NewElement, long MenuSection, int Position);
  ZQF_MenuElement* GetSection(long MenuSection) const { return Sections[MenuSection]; }

 private:
  ZQ_Array<ZQF_MenuElement*> Sections;
};

// Handles one right-click request from the (top-level) glyph: the glyphs
// under the mouse add their elements, and the menu is shown at the cursor
// when any did; otherwise nothing is shown and nothing is kept.
void ZQF_ContextSensitiveMenu_HandleRequest(ZQF_Glyph* Glyph);

#endif
