#include "ZQF_ParentMenuElement.h"

#include "ZQF_MenuSupportManager.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_Hasher.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

HMENU CreateBarMenu() { return ZQLOW_WINUSER::CreateMenu(); }
HMENU CreatePopupMenu() { return ZQLOW_WINUSER::CreatePopupMenu(); }

}  // namespace

ZQF_ParentMenuElement::~ZQF_ParentMenuElement() { ForgetSubmenu(); }

void ZQF_ParentMenuElement::Update(HMENU) {}

void ZQF_ParentMenuElement::UpdateHash(ZQ_Hasher& Hasher) {
  ZQF_MenuElement::UpdateHash(Hasher);
  AddTag(Hasher, 18680);
}

void ZQF_ParentMenuElement::RespondToPopupInit() {
  for (ZQF_MenuElement* child = GetFirstChild(); child; child = child->GetNextSibling()) {
    child->Update(SubmenuHandle);
  }
}

void ZQF_ParentMenuElement::ForgetSubmenu() {
  if (!SubmenuHandle) return;
  ZQF_MenuSupportManager::DeregisterSubmenu(SubmenuHandle, this);
  SubmenuHandle = nullptr;
}

HMENU ZQF_ParentMenuElement::BuildSubmenu(HMENU (*CreateFunction)()) {
  ForgetSubmenu();
  const HMENU submenu = CreateFunction();
  ZQF_MenuSupportManager::RegisterSubmenu(submenu, this);
  SubmenuHandle = submenu;
  ZQF_MenuElement::CreateAndAppendShadowElement(submenu);
  if (ZQLOW_WINUSER::GetMenuItemCount(submenu) > 0) return submenu;
  ForgetSubmenu();
  ZQLOW_WINUSER::DestroyMenu(submenu);
  return nullptr;
}

void ZQF_SubmenuParentMenuElement::CreateAndAppendShadowElement(HMENU Menu) {
  const HMENU submenu = BuildSubmenu(&CreateBarMenu);
  if (!submenu) return;
  ZQLOW_WINUSER::AppendMenuA(Menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), Text.GetText());
}

void ZQF_SubmenuParentMenuElement::UpdateHash(ZQ_Hasher& Hasher) {
  Hasher << GetSerialNumber();
  AddTag(Hasher, 44849);
  Hasher << Text;
}

void ZQF_SubmenuParentMenuElement::DumpSelf(ZQ_TextStreamFormatter& Out,
                                            const ZQ_String& Indentation) {
  Out << Indentation << "Submenu Parent, Text = '" << Text << "'";
  Out.NewLine();
}

void ZQF_ShortcutParentMenuElement::CreateAndAppendShadowElement(HMENU) { ZQ_ASSERT(false); }

void ZQF_ShortcutParentMenuElement::UpdateHash(ZQ_Hasher& Hasher) {
  Hasher << GetSerialNumber();
  AddTag(Hasher, 7178);
}

void ZQF_ShortcutParentMenuElement::DumpSelf(ZQ_TextStreamFormatter& Out,
                                             const ZQ_String& Indentation) {
  Out << Indentation << "Shortcut Parent";
  Out.NewLine();
}

HMENU ZQF_ShortcutParentMenuElement::CreateShadowElement() { return BuildSubmenu(&CreatePopupMenu); }
