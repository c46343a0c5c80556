#include "ZQF_ContextSensitiveMenu.h"

#include <memory>

#include "ZQF_ContextSensitiveMenuMessage.h"
#include "ZQF_Glyph.h"
#include "ZQF_Menu.h"
#include "ZQ_Assertion.h"

namespace {

const long FirstGroupSection = 2;

}  // namespace

ZQF_ContextSensitiveMenu::ZQF_ContextSensitiveMenu()
    : Sections(ZQF_ContextSensitiveMenuMessage::MenuSection_NumMenuSections) {
  Sections[0] = this;
  Sections[1] = new ZQF_SeparatedGroupMenuElement;
  Add(this, Sections[1], Position_LastChild);
  for (long section = FirstGroupSection;
       section < ZQF_ContextSensitiveMenuMessage::MenuSection_NumMenuSections; ++section) {
    Sections[section] = new ZQF_GroupMenuElement;
    Add(Sections[1], Sections[section], Position_LastChild);
  }
}

void ZQF_ContextSensitiveMenu::AddElement(ZQF_MenuElement* NewElement, long MenuSection,
                                          int Position) {
  ZQ_ASSERT(NewElement);
  const bool inRange = MenuSection >= 0 &&
                       MenuSection < ZQF_ContextSensitiveMenuMessage::MenuSection_NumMenuSections;
  std::unique_ptr<ZQF_MenuElement> refused(NewElement);
  ZQ_ASSERT_TEXT(inRange,
                 "MenuSection < ZQF_ContextSensitiveMenuMessage::MenuSection_NumMenuSections");
  ZQ_ASSERT_TEXT(inRange && Sections[MenuSection], "Sections [MenuSection]");
  if (!NewElement || !inRange || !Sections[MenuSection]) return;
  // A refused position leaves the element outside the tree: still ours.
  Add(Sections[MenuSection], NewElement, Position);
  if (NewElement->GetParent()) refused.release();
}

void ZQF_ContextSensitiveMenu_HandleRequest(ZQF_Glyph* Glyph) {
  ZQF_ContextSensitiveMenu* menu = new ZQF_ContextSensitiveMenu;
  bool added = false;
  try {
    ZQF_ContextSensitiveMenuMessage message(menu);
    Glyph->Dispatch(message);
    added = message.WereElementsAdded();
  } catch (...) {
    delete menu;
    throw;
  }
  if (added) {
    ZQF_RunShortcutMenu(menu);
  } else {
    delete menu;
  }
}
