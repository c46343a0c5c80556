// The standard main menu through the stages, on a real captioned window whose
// Windows menu bar is read back.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "../gui/core/MenuTestSupport.h"
#include "../gui/core/WindowTestSupport.h"
#include "ZQF_ApplicationLink.h"
#include "ZQF_Help.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQ_Internationalization.h"

namespace {

ZQF_Window* s_window = nullptr;
ZQF_Window* GetTestMainWindow() { return s_window; }
bool HelpIsAvailable() { return true; }

// Translates two labels, one with a key text.
bool TranslateToGerman(const ZQ_String& Key, ZQ_String& Translation) {
  Translation = Key == "Cu&t" ? "Aus&schneiden" : "&Hilfe";
  return Key == "Cu&t" || Key == "&Help";
}

bool s_isMenuShot = false;
void CALLBACK ShootOpenMenu(HWND, UINT, UINT_PTR Timer, DWORD) {
  ::KillTimer(nullptr, Timer);
  const ZQ_Rectangle<long> window = s_window->GetWindowRectangle();
  try {
    SaveScreenRectangleShot(ZQ_Rectangle<long>(window.X, window.Y, window.Width, 260),
                            "AppMainMenuEdit");
    s_isMenuShot = true;
  } catch (...) {
  }
  ::EndMenu();
}

class MenuWithoutEdit : public ZQF_PLUGIN_AppMainMenu {
  void AddEditMenu(ZQF_MenuElement*) override {}
};

template <class Menu>
class PluginOf : public ZQF_PLUGIN_AppMainMenuPlugin {
  ZQF_PLUGIN_AppMainMenu* CreateAppMainMenu() override { return new Menu; }
};

// A top-level window with a caption, as the main window is.
class TestMainWindow : public MenuBarWindow {
 public:
  using MenuBarWindow::MenuBarWindow;
  HWND Cust_GetParentWindowHandle() override { return nullptr; }
};

// Makes the main window as the application does: the object at stage 4
// before the plug-ins, the Windows window before stage 5, destroyed after 9.
class MenuPersonality : public ZQF_PLUGIN_ApplicationPersonality {
 public:
  explicit MenuPersonality(int NumPlugins) : numPlugins(NumPlugins) {}
  void RegisterPlugins() override {
    for (int i = 0; i < numPlugins; ++i) Register(new ZQF_PLUGIN_AppMainMenuPlugin);
  }
  void OnStage(long Stage) override {
    if (Stage == 4) s_window = new TestMainWindow(new ZQF_TopLevelGlyph(new MenuTarget));
    if (Stage == 5) s_window->Construct(ZQ_Rectangle<long>(100, 100, 400, 120));
    if (Stage == 10 && s_window) {
      s_window->Destroy();
      s_window = nullptr;
      PumpMessages();
    }
  }

 private:
  int numPlugins;
};

class AppMainMenuTest : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    ZQF_ApplicationFunctions functions;
    functions.GetMainWindow = &GetTestMainWindow;
    savedLink = ZQF_ApplicationLink_Register(functions);
    savedHelp = ZQF_Help_RegisterModule(ZQF_Help_Module());
  }
  void TearDown() override {
    if (personality) Finish();
    ZQF_Help_RegisterModule(savedHelp);
    ZQF_ApplicationLink_Register(savedLink);
    ZQ_Internationalization_SetDictionaryLookup(nullptr);
    StageSequenceTest::TearDown();
  }
  // Stages 1-7 with the plug-in (the standard one unless given) registered
  // NumPlugins times by the personality.
  StageRun Start(ZQF_PLUGIN_AppMainMenuPlugin* Plugin = nullptr, int NumPlugins = 1) {
    personality.reset(new MenuPersonality(Plugin ? 0 : NumPlugins));
    if (Plugin) personality->Register(Plugin);
    return RunStages(1, 7);
  }
  void Finish() {
    RunStages(8, 13);
    personality.reset();
  }
  static HMENU Bar() { return ::GetMenu(s_window->GetWindowHandle()); }

  std::unique_ptr<MenuPersonality> personality;
  ZQF_ApplicationFunctions savedLink;
  ZQF_Help_Module savedHelp;
};

const std::string kFile = "&File(Page Set&up...|Print Pre&view|&Print...|-|E&xit)";
const std::string kEditItems = "\tCtrl+X|&Copy\tCtrl+C|&Paste\tCtrl+V|&Select All|-|&Delete)";

TEST_F(AppMainMenuTest, BarShowsFileEditAndHelpOnlyWhenAvailableWithAcceleratorsAfterTranslation) {
  const struct {
    const char* why;
    bool help;
    ZQ_Internationalization_DictionaryLookup lookup;
    std::string bar;
  } kCases[] = {
      {"no help: no Help menu", false, nullptr, kFile + "|&Edit(Cu&t" + kEditItems},
      {"help: its three items", true, nullptr,
       kFile + "|&Edit(Cu&t" + kEditItems +
           "|&Help(&Relevant Topics\tF1|&Contents\tCtrl+F1|&What's This?\tShift+F1)"},
      {"translated labels keep their key text", true, &TranslateToGerman,
       kFile + "|&Edit(Aus&schneiden" + kEditItems +
           "|&Hilfe(&Relevant Topics\tF1|&Contents\tCtrl+F1|&What's This?\tShift+F1)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQF_Help_Module help;
    if (c.help) help.HelpAvailable = &HelpIsAvailable;
    ZQF_Help_RegisterModule(help);
    ZQ_Internationalization_SetDictionaryLookup(c.lookup);
    ASSERT_EQ(Start().failedStage, 0);
    EXPECT_EQ(Describe(Bar()), c.bar);
    Finish();
  }
}

TEST_F(AppMainMenuTest, MisuseOfSectionsAndPositionsFailsItsAssertion) {
  ASSERT_EQ(Start(new PluginOf<MenuWithoutEdit>).failedStage, 0);
  EXPECT_EQ(Describe(Bar()), kFile);
  ZQF_PLUGIN_AppMainMenu* menu = ZQF_PLUGIN_GetAppMainMenu();
  const struct {
    const char* why;
    std::function<void()> misuse;
    const char* condition;
  } kCases[] = {
      {"left-out Edit", [&] { menu->GetSection(9); }, "Sections [MenuSection]"},
      {"add to left-out Edit", [&] { menu->AddElement(Item("x"), 12, 1); },
       "Sections [MenuSection]"},
      {"beyond the last", [&] { menu->GetSection(33); },
       "MenuSection < MenuSection_NumMenuSections"},
      {"no element", [&] { menu->AddElement(nullptr, 31, 1); }, "NewElement"},
      {"position code 4", [&] { menu->AddElement(Item("x"), 31, 4); }, "false"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(FailedOn(FailureOf(c.misuse), c.condition));
  }
}

TEST_F(AppMainMenuTest, IdleUpdateRebuildsOnlyAfterElementsWereAdded) {
  ZQF_Help_Module help;
  help.HelpAvailable = &HelpIsAvailable;
  ZQF_Help_RegisterModule(help);
  ASSERT_EQ(Start().failedStage, 0);
  const HMENU bar = Bar();
  PumpMessages();
  RunIdleActions();
  MSG message;
  EXPECT_FALSE(::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(Bar(), bar);

  ZQF_PLUGIN_AppMainMenu* menu = ZQF_PLUGIN_GetAppMainMenu();
  menu->AddElement(Item("Read&me"), 32, 2);
  menu->AddElement(Item("&About"), 32, 1);
  menu->AddElement(Item("&Index"), 31, 0);
  menu->AddElement(Item("&Close"), 8, 3);
  auto* debug = new ZQF_SubmenuParentMenuElement("&Debug");
  Last(debug, Item("&Glyphs"));
  ZQF_DebugMenu_MainMenuHook(debug);
  RunIdleActions();
  EXPECT_NE(Bar(), bar);
  EXPECT_EQ(Describe(Bar()),
            "&File(Page Set&up...|Print Pre&view|&Print...|-|E&xit|-|&Close)|&Edit(Cu&t" +
                kEditItems +
                "|&Help(&Index|&Relevant Topics\tF1|&Contents\tCtrl+F1|&What's This?\tShift+F1"
                "|-|Read&me|-|&About)|&Debug(&Glyphs)");
  s_window->SetTitleText("Wet Bulb Globe Temperature");
  s_window->Show(ZQF_ShowState_Show);
  s_window->Update();
  PumpMessages();
  // The Edit menu opened from the keyboard; a timer inside its loop shoots.
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 200, &ShootOpenMenu);
  Send(s_window->GetWindowHandle(), WM_SYSCOMMAND, SC_KEYMENU, 'e');
  ::KillTimer(nullptr, timer);
  EXPECT_TRUE(s_isMenuShot);
}

TEST_F(AppMainMenuTest, MenuLivesFromStageTwoToThirteenOnce) {
  EXPECT_EQ(ZQF_PLUGIN_GetAppMainMenu(), nullptr);
  personality.reset(new MenuPersonality(2));
  EXPECT_TRUE(FailedOn(RunStages().name, "ZQF_PLUGIN_AppMainMenuInstance == NULL"));
  personality.reset();
  EXPECT_EQ(ZQF_PLUGIN_GetAppMainMenu(), nullptr);
  EXPECT_TRUE(FailedOn(FailureOf([] { ZQF_DebugMenu_MainMenuHook(Item("x")); }), "AppMainMenu"));
}

}  // namespace
