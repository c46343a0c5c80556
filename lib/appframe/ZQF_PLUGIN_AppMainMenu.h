// ZQF_PLUGIN_AppMainMenu.h: the standard menu bar of a framework program and
// the plug-in that owns it. The bar is built in 33 numbered sections (File,
// Edit, three placeholders, Options, Tools, a window placeholder, Help), each
// filled by its own virtual operation, so that a derived menu can drop,
// replace or extend a section and other plug-ins can add items to a section
// by number. The menu owns its element tree; Sections only points into it.
// The plug-in creates the menu at stage 2, gives it the main window and a
// repeating idle update at stage 4, attaches it at stage 5 and deletes it at
// stage 13. Misuse fails assertions. UI thread only.
#ifndef ZQF_PLUGIN_APPMAINMENU_H
#define ZQF_PLUGIN_APPMAINMENU_H

#include "ZQF_ActionQueue.h"
#include "ZQF_MainMenu.h"
#include "ZQF_PLUGIN_ApplicationPersonality.h"

class ZQF_MenuElement;

class ZQF_PLUGIN_AppMainMenu : public ZQF_MainMenu {
 public:
  // The sections, by number. A hook section is an empty group for derived
  // menus and plug-ins to fill.
  enum {
    MenuSection_MenuBar = 0,
    MenuSection_File = 1,
    MenuSection_FileSubmenu = 2,
    MenuSection_FileGroups = 3,
    MenuSection_FileFirst = 4,
    MenuSection_FileSecond = 5,
    MenuSection_FileThird = 6,
    MenuSection_FilePrint = 7,
    MenuSection_FileExit = 8,
    MenuSection_Edit = 9,
    MenuSection_EditSubmenu = 10,
    MenuSection_EditGroups = 11,
    MenuSection_EditFirst = 12,
    MenuSection_EditClipboard = 13,
    MenuSection_EditDelete = 14,
    MenuSection_EditLast = 15,
    MenuSection_AppSpecific = 16,
    MenuSection_DocTypeSpecific = 17,
    MenuSection_ViewSpecific = 18,
    MenuSection_Options = 19,
    MenuSection_OptionsSubmenu = 20,
    MenuSection_OptionsGroups = 21,
    MenuSection_OptionsOptions = 22,
    MenuSection_Tools = 23,
    MenuSection_ToolsSubmenu = 24,
    MenuSection_ToolsGroups = 25,
    MenuSection_ToolsTools = 26,
    MenuSection_Windows = 27,
    MenuSection_Help = 28,
    MenuSection_HelpSubmenu = 29,
    MenuSection_HelpGroups = 30,
    MenuSection_HelpHelp = 31,
    MenuSection_HelpLast = 32,
    MenuSection_NumMenuSections = 33
  };

  // Window may be null until stage 4 sets it.
  explicit ZQF_PLUGIN_AppMainMenu(ZQF_Window* AssociatedWindow = nullptr);
  ~ZQF_PLUGIN_AppMainMenu() override;

  // Records Root as section 0 and fills the bar, menu by menu.
  void BuildSubmenus(ZQF_RootGroupMenuElement* Root) override;

  // Each operation below fills the element it is given; an Add...Menu adds
  // its menu as the last child of Parent (the bar).
  virtual void AddFileMenu(ZQF_MenuElement* Parent);
  virtual void AddFile_FirstMenuSection(ZQF_MenuElement* Section);
  virtual void AddFile_SecondMenuSection(ZQF_MenuElement* Section);
  virtual void AddFile_ThirdMenuSection(ZQF_MenuElement* Section);
  virtual void AddFile_PrintMenuSection(ZQF_MenuElement* Section);
  virtual void AddFile_PageSetupMenuElement(ZQF_MenuElement* Section);
  virtual void AddFile_PrintPreviewMenuElement(ZQF_MenuElement* Section);
  virtual void AddFile_PrintMenuElement(ZQF_MenuElement* Section);
  virtual void AddFile_ExitMenuElement(ZQF_MenuElement* Section);
  virtual void AddEditMenu(ZQF_MenuElement* Parent);
  virtual void AddEdit_FirstMenuSection(ZQF_MenuElement* Section);
  virtual void AddEdit_ClipboardMenuSection(ZQF_MenuElement* Section);
  virtual void AddEdit_DeleteMenuElement(ZQF_MenuElement* Section);
  virtual void AddEdit_LastMenuSection(ZQF_MenuElement* Section);
  virtual void AddAppSpecificMenuPlaceholder(ZQF_MenuElement* Parent);
  virtual void AddDocTypeSpecificMenuPlaceholder(ZQF_MenuElement* Parent);
  virtual void AddViewSpecificMenuPlaceholder(ZQF_MenuElement* Parent);
  virtual void AddOptionsMenu(ZQF_MenuElement* Parent);
  virtual void AddOptions_OptionsMenuSection(ZQF_MenuElement* Section);
  virtual void AddToolsMenu(ZQF_MenuElement* Parent);
  virtual void AddTools_ToolsMenuSection(ZQF_MenuElement* Section);
  virtual void AddWindowsMenuPlaceholder(ZQF_MenuElement* Parent);
  // The three help items only when help is available (ZQF_Help_HelpAvailable).
  virtual void AddHelpMenu(ZQF_MenuElement* Parent);
  virtual void AddHelp_HelpMenuSection(ZQF_MenuElement* Section);
  virtual void AddHelp_LastMenuSection(ZQF_MenuElement* Section);

  // The element of a section. Asserts "MenuSection < MenuSection_NumMenuSections"
  // and "Sections [MenuSection]" (a section a derived menu left out does not
  // exist); null when the assertion returns.
  ZQF_MenuElement* GetSection(unsigned long MenuSection);
  // Puts NewElement (owned by the tree from then on) relative to the
  // section's element: 0 first child, 1 last child, 2 just before, 3 just
  // after it; another code fails "false". Asserts "NewElement" and the two
  // section conditions; when an assertion returns, NewElement is deleted.
  void AddElement(ZQF_MenuElement* NewElement, unsigned long MenuSection, int Position);

 protected:
  typedef void (ZQF_PLUGIN_AppMainMenu::*FillOperation)(ZQF_MenuElement* Section);
  // The frame every standard menu shares: the group TopSection under Parent,
  // the submenu of the translated Title in it (TopSection + 1), a separated
  // group (TopSection + 2) holding one inner group per fill operation (the
  // sections after it), each filled by its operation; the separated group
  // joins the submenu last.
  void AddStandardMenu(ZQF_MenuElement* Parent, unsigned long TopSection, const char* Title,
                       const FillOperation* Fills, int NumFills);
  // A new group, added to Parent as its last child and recorded as Section.
  ZQF_MenuElement* AddSectionGroup(ZQF_MenuElement* Parent, unsigned long Section);

  ZQF_MenuElement* Sections[MenuSection_NumMenuSections];
};

class ZQF_PLUGIN_AppMainMenuPlugin : public ZQF_PLUGIN_AbstractPlugin {
 public:
  ~ZQF_PLUGIN_AppMainMenuPlugin() override;
  // Stage 2: creates and builds the menu ("ZQF_PLUGIN_AppMainMenuInstance ==
  // NULL") and installs AddDebugMenuToMainMenu as the debug menu's hook;
  // stage 4: the main window and the idle update; stage 5: attaches it;
  // stage 13: deletes it ("ZQF_PLUGIN_AppMainMenuInstance").
  void Initialize(long Stage) override;
  // The menu to build; a program returns its own class. The default: a
  // ZQF_PLUGIN_AppMainMenu without a window.
  virtual ZQF_PLUGIN_AppMainMenu* CreateAppMainMenu();
};

// The repeating idle action that keeps the Windows menu in step with the
// element tree: it rebuilds only when the tree's hash changed, and does
// nothing once the menu is gone or while its window does not exist yet.
class MainMenuUpdateActionReference : public ZQF_QueuedActionReference {
 public:
  ~MainMenuUpdateActionReference() override;
  void Perform() override;
};

// The one main menu, null outside stages 2-13.
extern ZQF_PLUGIN_AppMainMenu* ZQF_PLUGIN_AppMainMenuInstance;
ZQF_PLUGIN_AppMainMenu* ZQF_PLUGIN_GetAppMainMenu();

// Adds Element (owned by the menu from then on) as the last menu of the bar.
// Asserts "AppMainMenu"; when that returns, Element is deleted.
void AddDebugMenuToMainMenu(ZQF_MenuElement* Element);

// The debug menu's way into the menu bar: null until the main menu plug-in
// installs AddDebugMenuToMainMenu at stage 2.
typedef void (*ZQF_DebugMenu_MainMenuHookType)(ZQF_MenuElement* Element);
extern ZQF_DebugMenu_MainMenuHookType ZQF_DebugMenu_MainMenuHook;

#endif
