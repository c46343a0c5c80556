// ZQF_ContextSensitiveMenuMessage.h: the question a right click puts to the
// glyphs under the mouse: each glyph that has something to offer there adds
// its menu elements to one of the menu's sections. A generic message routed
// like a mouse message; it does not own the menu. UI thread only.
#ifndef ZQF_CONTEXTSENSITIVEMENUMESSAGE_H
#define ZQF_CONTEXTSENSITIVEMENUMESSAGE_H

#include "ZQF_Message.h"

class ZQF_ContextSensitiveMenu;
class ZQF_MenuElement;

class ZQF_ContextSensitiveMenuMessage : public ZQF_GenericMessage {
 public:
  enum { MenuSection_NumMenuSections = 6 };

  explicit ZQF_ContextSensitiveMenuMessage(ZQF_ContextSensitiveMenu* Menu) : Menu(Menu) {}
  ZQF_MessageRouter* GetDefaultRouter() override;

  // Adds NewElement (the menu owns it) to MenuSection (0 to 5) at Position
  // (ZQF_MenuElement::Add's) and notes that something was added.
  void AddElement(ZQF_MenuElement* NewElement, long MenuSection, int Position);
  bool WereElementsAdded() const { return ElementsAdded; }
  ZQF_ContextSensitiveMenu* GetMenu() const { return Menu; }

 private:
  ZQF_ContextSensitiveMenu* Menu;
  bool ElementsAdded = false;
};

#endif
