#include "ZQF_PLUGIN_AppMainMenu.h"

#include <memory>

#include "ZQF_ApplicationLink.h"
#include "ZQF_Help.h"
#include "ZQF_MenuElement.h"
#include "ZQF_ParentMenuElement.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_Window.h"
#include "ZQ_Assertion.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Internationalization.h"

ZQF_PLUGIN_AppMainMenu* ZQF_PLUGIN_AppMainMenuInstance = nullptr;
ZQF_DebugMenu_MainMenuHookType ZQF_DebugMenu_MainMenuHook = nullptr;

namespace {

// The translated label, then the accelerator text: a key name is no text to
// translate, and the tab keeps it apart from the label.
ZQ_String ItemText(const char* Label, const char* Accelerator = "") {
  ZQ_String text = ZQ_Internationalization_Translate(Label);
  text += Accelerator;
  return text;
}

void AddLast(ZQF_MenuElement* Parent, ZQF_MenuElement* Element) {
  ZQF_MenuElement::Add(Parent, Element, ZQF_MenuElement::Position_LastChild);
}

template <class Command, class Update>
void AddCommandItem(ZQF_MenuElement* Section, const char* Label, const char* Accelerator = "") {
  AddLast(Section,
          new ZQF_StandardTextMenuElement(ItemText(Label, Accelerator), new Command, new Update));
}

}  // namespace

ZQF_PLUGIN_AppMainMenu::ZQF_PLUGIN_AppMainMenu(ZQF_Window* AssociatedWindow)
    : ZQF_MainMenu(AssociatedWindow), Sections() {}

ZQF_PLUGIN_AppMainMenu::~ZQF_PLUGIN_AppMainMenu() = default;

void ZQF_PLUGIN_AppMainMenu::BuildSubmenus(ZQF_RootGroupMenuElement* Root) {
  // A rebuild replaces the whole tree: nothing of the old one may be found.
  for (ZQF_MenuElement*& section : Sections) section = nullptr;
  Sections[MenuSection_MenuBar] = Root;
  AddFileMenu(Root);
  AddEditMenu(Root);
  AddAppSpecificMenuPlaceholder(Root);
  AddDocTypeSpecificMenuPlaceholder(Root);
  AddViewSpecificMenuPlaceholder(Root);
  AddOptionsMenu(Root);
  AddToolsMenu(Root);
  AddWindowsMenuPlaceholder(Root);
  AddHelpMenu(Root);
}

ZQF_MenuElement* ZQF_PLUGIN_AppMainMenu::AddSectionGroup(ZQF_MenuElement* Parent,
                                                         unsigned long Section) {
  ZQF_MenuElement* group = new ZQF_GroupMenuElement;
  AddLast(Parent, group);
  Sections[Section] = group;
  return group;
}

void ZQF_PLUGIN_AppMainMenu::AddStandardMenu(ZQF_MenuElement* Parent, unsigned long TopSection,
                                             const char* Title, const FillOperation* Fills,
                                             int NumFills) {
  ZQF_MenuElement* top = AddSectionGroup(Parent, TopSection);
  ZQF_MenuElement* submenu =
      new ZQF_SubmenuParentMenuElement(ZQ_Internationalization_Translate(Title));
  AddLast(top, submenu);
  Sections[TopSection + 1] = submenu;
  ZQF_MenuElement* separated = new ZQF_SeparatedGroupMenuElement;
  Sections[TopSection + 2] = separated;
  try {
    for (int i = 0; i < NumFills; ++i) AddSectionGroup(separated, TopSection + 3 + i);
    for (int i = 0; i < NumFills; ++i) (this->*Fills[i])(Sections[TopSection + 3 + i]);
  } catch (...) {
    // Not in the tree yet: the tree would not free it.
    for (int i = 0; i < NumFills + 1; ++i) Sections[TopSection + 2 + i] = nullptr;
    delete separated;
    throw;
  }
  AddLast(submenu, separated);
}

void ZQF_PLUGIN_AppMainMenu::AddFileMenu(ZQF_MenuElement* Parent) {
  static const FillOperation fills[] = {&ZQF_PLUGIN_AppMainMenu::AddFile_FirstMenuSection,
                                        &ZQF_PLUGIN_AppMainMenu::AddFile_SecondMenuSection,
                                        &ZQF_PLUGIN_AppMainMenu::AddFile_ThirdMenuSection,
                                        &ZQF_PLUGIN_AppMainMenu::AddFile_PrintMenuSection,
                                        &ZQF_PLUGIN_AppMainMenu::AddFile_ExitMenuElement};
  AddStandardMenu(Parent, MenuSection_File, "&File", fills, 5);
}

void ZQF_PLUGIN_AppMainMenu::AddFile_FirstMenuSection(ZQF_MenuElement*) {}
void ZQF_PLUGIN_AppMainMenu::AddFile_SecondMenuSection(ZQF_MenuElement*) {}
void ZQF_PLUGIN_AppMainMenu::AddFile_ThirdMenuSection(ZQF_MenuElement*) {}

void ZQF_PLUGIN_AppMainMenu::AddFile_PrintMenuSection(ZQF_MenuElement* Section) {
  AddFile_PageSetupMenuElement(Section);
  AddFile_PrintPreviewMenuElement(Section);
  AddFile_PrintMenuElement(Section);
}

void ZQF_PLUGIN_AppMainMenu::AddFile_PageSetupMenuElement(ZQF_MenuElement* Section) {
  AddCommandItem<ZQF_PageSetupCommandMessage, ZQF_PageSetupCommandUpdateMessage>(Section,
                                                                                 "Page Set&up...");
}

void ZQF_PLUGIN_AppMainMenu::AddFile_PrintPreviewMenuElement(ZQF_MenuElement* Section) {
  AddCommandItem<ZQF_PrintPreviewCommandMessage, ZQF_PrintPreviewCommandUpdateMessage>(
      Section, "Print Pre&view");
}

void ZQF_PLUGIN_AppMainMenu::AddFile_PrintMenuElement(ZQF_MenuElement* Section) {
  AddLast(Section,
          new ZQF_StandardTextMenuElement(ItemText("&Print..."), new ZQF_PrintCommandMessage(true),
                                          new ZQF_PrintCommandUpdateMessage));
}

void ZQF_PLUGIN_AppMainMenu::AddFile_ExitMenuElement(ZQF_MenuElement* Section) {
  AddCommandItem<ZQF_ExitCommandMessage, ZQF_ExitCommandUpdateMessage>(Section, "E&xit");
}

void ZQF_PLUGIN_AppMainMenu::AddEditMenu(ZQF_MenuElement* Parent) {
  static const FillOperation fills[] = {&ZQF_PLUGIN_AppMainMenu::AddEdit_FirstMenuSection,
                                        &ZQF_PLUGIN_AppMainMenu::AddEdit_ClipboardMenuSection,
                                        &ZQF_PLUGIN_AppMainMenu::AddEdit_DeleteMenuElement,
                                        &ZQF_PLUGIN_AppMainMenu::AddEdit_LastMenuSection};
  AddStandardMenu(Parent, MenuSection_Edit, "&Edit", fills, 4);
}

void ZQF_PLUGIN_AppMainMenu::AddEdit_FirstMenuSection(ZQF_MenuElement*) {}

void ZQF_PLUGIN_AppMainMenu::AddEdit_ClipboardMenuSection(ZQF_MenuElement* Section) {
  AddCommandItem<ZQF_CutCommandMessage, ZQF_CutCommandUpdateMessage>(Section, "Cu&t", "\tCtrl+X");
  AddCommandItem<ZQF_CopyCommandMessage, ZQF_CopyCommandUpdateMessage>(Section, "&Copy",
                                                                       "\tCtrl+C");
  AddCommandItem<ZQF_PasteCommandMessage, ZQF_PasteCommandUpdateMessage>(Section, "&Paste",
                                                                         "\tCtrl+V");
  AddCommandItem<ZQF_SelectAllCommandMessage, ZQF_SelectAllCommandUpdateMessage>(Section,
                                                                                 "&Select All");
}

void ZQF_PLUGIN_AppMainMenu::AddEdit_DeleteMenuElement(ZQF_MenuElement* Section) {
  AddCommandItem<ZQF_DeleteCommandMessage, ZQF_DeleteCommandUpdateMessage>(Section, "&Delete");
}

void ZQF_PLUGIN_AppMainMenu::AddEdit_LastMenuSection(ZQF_MenuElement*) {}

void ZQF_PLUGIN_AppMainMenu::AddAppSpecificMenuPlaceholder(ZQF_MenuElement* Parent) {
  AddSectionGroup(Parent, MenuSection_AppSpecific);
}

void ZQF_PLUGIN_AppMainMenu::AddDocTypeSpecificMenuPlaceholder(ZQF_MenuElement* Parent) {
  AddSectionGroup(Parent, MenuSection_DocTypeSpecific);
}

void ZQF_PLUGIN_AppMainMenu::AddViewSpecificMenuPlaceholder(ZQF_MenuElement* Parent) {
  AddSectionGroup(Parent, MenuSection_ViewSpecific);
}

void ZQF_PLUGIN_AppMainMenu::AddOptionsMenu(ZQF_MenuElement* Parent) {
  static const FillOperation fills[] = {&ZQF_PLUGIN_AppMainMenu::AddOptions_OptionsMenuSection};
  AddStandardMenu(Parent, MenuSection_Options, "&Options", fills, 1);
}

void ZQF_PLUGIN_AppMainMenu::AddOptions_OptionsMenuSection(ZQF_MenuElement*) {}

void ZQF_PLUGIN_AppMainMenu::AddToolsMenu(ZQF_MenuElement* Parent) {
  static const FillOperation fills[] = {&ZQF_PLUGIN_AppMainMenu::AddTools_ToolsMenuSection};
  AddStandardMenu(Parent, MenuSection_Tools, "&Tools", fills, 1);
}

void ZQF_PLUGIN_AppMainMenu::AddTools_ToolsMenuSection(ZQF_MenuElement*) {}

void ZQF_PLUGIN_AppMainMenu::AddWindowsMenuPlaceholder(ZQF_MenuElement* Parent) {
  AddSectionGroup(Parent, MenuSection_Windows);
}

void ZQF_PLUGIN_AppMainMenu::AddHelpMenu(ZQF_MenuElement* Parent) {
  static const FillOperation fills[] = {&ZQF_PLUGIN_AppMainMenu::AddHelp_HelpMenuSection,
                                        &ZQF_PLUGIN_AppMainMenu::AddHelp_LastMenuSection};
  AddStandardMenu(Parent, MenuSection_Help, "&Help", fills, 2);
}

void ZQF_PLUGIN_AppMainMenu::AddHelp_HelpMenuSection(ZQF_MenuElement* Section) {
  if (!ZQF_Help_HelpAvailable()) return;
  AddLast(Section,
          new ZQF_StandardTextMenuElement(ItemText("&Relevant Topics", "\tF1"),
                                          new ZQF_Help_RelevantTopicsCommandMessage, nullptr));
  AddLast(Section, new ZQF_StandardTextMenuElement(ItemText("&Contents", "\tCtrl+F1"),
                                                   ZQ_Functor0(&ZQF_Help_DisplayContents),
                                                   ZQF_StandardTextMenuElement::UpdateCallback()));
  AddLast(Section, new ZQF_StandardTextMenuElement(ItemText("&What's This?", "\tShift+F1"),
                                                   new ZQF_Help_WhatsThisCommandMessage, nullptr));
}

void ZQF_PLUGIN_AppMainMenu::AddHelp_LastMenuSection(ZQF_MenuElement*) {}

ZQF_MenuElement* ZQF_PLUGIN_AppMainMenu::GetSection(unsigned long MenuSection) {
  ZQ_ASSERT(MenuSection < MenuSection_NumMenuSections);
  if (!(MenuSection < MenuSection_NumMenuSections)) return nullptr;
  ZQ_ASSERT_TEXT(Sections[MenuSection], "Sections [MenuSection]");
  return Sections[MenuSection];
}

void ZQF_PLUGIN_AppMainMenu::AddElement(ZQF_MenuElement* NewElement, unsigned long MenuSection,
                                        int Position) {
  // Ours until the tree takes it, whichever assertion fails first.
  std::unique_ptr<ZQF_MenuElement> owned(NewElement);
  ZQ_ASSERT(NewElement);
  ZQF_MenuElement* section = GetSection(MenuSection);
  if (!NewElement || !section) return;
  // A position code outside 0-3 fails "false" there.
  ZQF_MenuElement::Add(section, NewElement, Position);
  if (NewElement->GetParent()) owned.release();
}

ZQF_PLUGIN_AppMainMenuPlugin::~ZQF_PLUGIN_AppMainMenuPlugin() = default;

ZQF_PLUGIN_AppMainMenu* ZQF_PLUGIN_AppMainMenuPlugin::CreateAppMainMenu() {
  return new ZQF_PLUGIN_AppMainMenu;
}

void ZQF_PLUGIN_AppMainMenuPlugin::Initialize(long Stage) {
  switch (Stage) {
    case ZQ_InitializationService::Stage_InitializeTranslationUnit:
      ZQ_ASSERT(ZQF_PLUGIN_AppMainMenuInstance == NULL);
      if (ZQF_PLUGIN_AppMainMenuInstance) return;
      ZQF_PLUGIN_AppMainMenuInstance = CreateAppMainMenu();
      ZQF_PLUGIN_AppMainMenuInstance->Init_Build();
      ZQF_DebugMenu_MainMenuHook = &AddDebugMenuToMainMenu;
      return;
    case ZQ_InitializationService::Stage_InitializeGlobal:
      if (!ZQF_PLUGIN_AppMainMenuInstance) return;
      ZQF_PLUGIN_AppMainMenuInstance->SetAssociatedWindow(ZQF_ApplicationLink_GetMainWindow());
      ZQF_ActionQueue::QueueRepeatingAction(ZQF_QueuedAction(new MainMenuUpdateActionReference), 0,
                                            true);
      return;
    case ZQ_InitializationService::Stage_InitializeMainWindow:
      if (ZQF_PLUGIN_AppMainMenuInstance) ZQF_PLUGIN_AppMainMenuInstance->Attach();
      return;
    case ZQ_InitializationService::Stage_DeinitializeDefinition:
      ZQ_ASSERT(ZQF_PLUGIN_AppMainMenuInstance);
      delete ZQF_PLUGIN_AppMainMenuInstance;
      ZQF_PLUGIN_AppMainMenuInstance = nullptr;
      return;
    default:
      return;
  }
}

MainMenuUpdateActionReference::~MainMenuUpdateActionReference() = default;

void MainMenuUpdateActionReference::Perform() {
  ZQF_PLUGIN_AppMainMenu* menu = ZQF_PLUGIN_AppMainMenuInstance;
  if (!menu) return;
  // An idle turn may come before the window exists (a box shown at stage 4
  // runs a nested loop): there is nothing to attach to yet.
  ZQF_Window* window = menu->GetAssociatedWindow();
  if (!window || !window->GetWindowHandle()) return;
  menu->UpdateShadowMenuIfNecessary();
}

ZQF_PLUGIN_AppMainMenu* ZQF_PLUGIN_GetAppMainMenu() { return ZQF_PLUGIN_AppMainMenuInstance; }

void AddDebugMenuToMainMenu(ZQF_MenuElement* Element) {
  std::unique_ptr<ZQF_MenuElement> owned(Element);
  ZQF_PLUGIN_AppMainMenu* AppMainMenu = ZQF_PLUGIN_AppMainMenuInstance;
  ZQ_ASSERT(AppMainMenu);
  if (!AppMainMenu) return;
  AppMainMenu->AddElement(owned.release(), ZQF_PLUGIN_AppMainMenu::MenuSection_MenuBar,
                          ZQF_MenuElement::Position_LastChild);
}
