// ZQF_ParentMenuElement.h: menu elements that own a Windows submenu: a
// submenu with a text inside another menu, and the top of a pop-up
// (shortcut) menu. Each build makes a new Windows menu for the element's
// children and registers it with the menu support manager; a submenu that
// stays empty is destroyed and left out. The Windows submenu itself is
// destroyed with the menu holding it; the element only deregisters it.
// Children are enabled or disabled when this element's own pop-up opens,
// never in advance. UI thread only.
#ifndef ZQF_PARENTMENUELEMENT_H
#define ZQF_PARENTMENUELEMENT_H

#include "ZQF_MenuElement.h"

class ZQF_ParentMenuElement : public ZQF_MenuElement {
 public:
  // Deregisters the submenu it holds.
  ~ZQF_ParentMenuElement() override;
  // A parent is neither enabled nor disabled.
  void Update(HMENU Menu) override;
  // Serial number and tag 18680.
  void UpdateHash(ZQ_Hasher& Hasher) override;

  // Its pop-up opens: each child updates its items in the submenu.
  void RespondToPopupInit();
  HMENU GetSubmenuHandle() const { return SubmenuHandle; }

 protected:
  // Drops the submenu of an earlier build, fills a new menu (CreateMenu or
  // CreatePopupMenu) with the children's items and keeps it registered;
  // returns it, or null (destroyed, not kept) when it stayed empty.
  HMENU BuildSubmenu(HMENU (*CreateFunction)());

 private:
  void ForgetSubmenu();

  HMENU SubmenuHandle = nullptr;
};

class ZQF_SubmenuParentMenuElement : public ZQF_ParentMenuElement {
 public:
  // Text: "&" marks the mnemonic.
  explicit ZQF_SubmenuParentMenuElement(const ZQ_String& Text) : Text(Text) {}
  // A pop-up item of Text, unless no child adds an item.
  void CreateAndAppendShadowElement(HMENU Menu) override;
  // Serial number, tag 44849, the text.
  void UpdateHash(ZQ_Hasher& Hasher) override;
  void DumpSelf(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation) override;
  const ZQ_String& GetText() const { return Text; }

 private:
  ZQ_String Text;
};

class ZQF_ShortcutParentMenuElement : public ZQF_ParentMenuElement {
 public:
  // It cannot be put inside another menu: fails the assertion "false".
  void CreateAndAppendShadowElement(HMENU Menu) override;
  // Serial number and tag 7178.
  void UpdateHash(ZQ_Hasher& Hasher) override;
  void DumpSelf(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation) override;
  // A new pop-up menu with the children's items; null when it stays empty.
  HMENU CreateShadowElement();
};

#endif
