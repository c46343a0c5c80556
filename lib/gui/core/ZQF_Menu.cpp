#include "ZQF_Menu.h"

#include "ZQF_ApplicationLink.h"
#include "ZQF_MenuSupportManager.h"
#include "ZQF_ParentMenuElement.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_InitializationService.h"

namespace {

// The last shortcut menu: its tree and its Windows pop-up.
struct ShortcutMenuState {
  ZQF_RootGroupMenuElement* Root = nullptr;
  HMENU PopupMenu = nullptr;
};

ShortcutMenuState s_shortcut;

const ZQ_StageCallbackRegistration s_registration(&ZQF_Menu_InitializationServiceCallback,
                                                  ZQ_InitializationService::Position_Menu);

void EndLastShortcutMenu() {
  delete s_shortcut.Root;
  s_shortcut.Root = nullptr;
  if (s_shortcut.PopupMenu) ZQLOW_WINUSER::DestroyMenu(s_shortcut.PopupMenu);
  s_shortcut.PopupMenu = nullptr;
}

}  // namespace

ZQF_Menu::~ZQF_Menu() { delete Root; }

void ZQF_Menu::BuildMenu() {
  delete Root;
  Root = nullptr;
  Root = new ZQF_RootGroupMenuElement;
  BuildSubmenus(Root);
}

HMENU ZQF_Menu::CreateNewShadowMenu() {
  const HMENU menu = ZQLOW_WINUSER::CreateMenu();
  if (Root) Root->CreateAndAppendShadowElement(menu);
  return menu;
}

bool ZQF_HandleWMCommandMessage(UINT Identifier) {
  return ZQF_MenuSupportManager::HandleWMCommandMessage(Identifier);
}

long ZQF_HandleWMInitMenuMessage(HMENU) { return 0; }

void ZQF_HandleWMInitMenuPopupMessage(HMENU Menu) {
  ZQF_MenuSupportManager::HandleWMInitMenuPopupMessage(Menu);
}

long ZQF_HandleWMMenuSelectMessage(UINT, HMENU, UINT) { return 0; }

void ZQF_RunShortcutMenu(ZQF_ShortcutParentMenuElement* Element) {
  ZQF_Window* MainWindow = ZQF_ApplicationLink_GetMainWindow();
  ZQ_ASSERT(MainWindow);
  if (!MainWindow) {
    delete Element;
    return;
  }
  ZQF_Window* focused = ZQF_Window::GetFocusWindow();
  ZQF_Glyph* target = (focused ? focused : MainWindow)->GetTopLevelGlyph();
  EndLastShortcutMenu();
  s_shortcut.Root = new ZQF_RootGroupMenuElement(target);
  ZQF_MenuElement::Add(s_shortcut.Root, Element, ZQF_MenuElement::Position_LastChild);
  s_shortcut.PopupMenu = Element->CreateShadowElement();
  if (!s_shortcut.PopupMenu) return;
  POINT cursor{0, 0};
  ZQLOW_WINUSER::GetCursorPos(&cursor);
  ZQLOW_WINUSER::TrackPopupMenu(s_shortcut.PopupMenu, 0, cursor.x, cursor.y, 0,
                                MainWindow->GetWindowHandle(), nullptr);
}

ZQF_RootGroupMenuElement* ZQF_GetLastShortcutMenuRoot() { return s_shortcut.Root; }

void ZQF_Menu_InitializationServiceCallback(int Stage) {
  if (Stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit) EndLastShortcutMenu();
}
