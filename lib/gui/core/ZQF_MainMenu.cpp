#include "ZQF_MainMenu.h"

#include "ZQF_MenuElement.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"

void ZQF_MainMenu::Attach() {
  ZQ_ASSERT(AssociatedWindow);
  if (!AssociatedWindow) return;
  const HWND window = AssociatedWindow->GetWindowHandle();
  if (const HMENU old = ZQLOW_WINUSER::GetMenu(window)) ZQLOW_WINUSER::DestroyMenu(old);
  ZQLOW_WINUSER::SetMenu(window, CreateNewShadowMenu());
  HashAtLastAttach = ComputeTreeHash();
}

bool ZQF_MainMenu::UpdateShadowMenuIfNecessary() {
  if (ComputeTreeHash() == HashAtLastAttach) return false;
  Attach();
  return true;
}

ZQ_UID ZQF_MainMenu::ComputeTreeHash() { return GetRoot() ? GetRoot()->GenerateHash() : ZQ_UID(); }
