// The hidden debug menu and the glyph browser, on a real captioned main
// window with the standard menu bar; dialogs are driven by idle steps.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "../gui/core/MenuTestSupport.h"
#include "../gui/dialogs/DialogTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ApplicationLink.h"
#include "ZQF_DebugMenu.h"
#include "ZQF_GlyphBrowser.h"
#include "ZQF_ListGlyph.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_SimpleStringQueryDialogBox.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_ReportError.h"

namespace {

ZQF_Window* s_window = nullptr;
ZQF_Window* GetTestMainWindow() { return s_window; }

// The tree under the top-level glyph: a holds b and c, c its focus child;
// b holds d. c, the focus leaf, answers the debug command "answer" and
// records every one it is offered.
struct TestTree {
  RecordingGlyph *a, *b, *c, *d;
  std::vector<std::string> commands;
};
TestTree s_tree;

RecordingGlyph* NewNode(const char* Name) {
  auto* glyph = new RecordingGlyph(Name, nullptr);
  glyph->SetBox(0, 0, 10, 10);
  glyph->OnOffer = [glyph](ZQF_Message& Message, bool SecondTry) {
    auto* command = dynamic_cast<ZQF_Debug_ExecuteDebugCommandCommandMessage*>(&Message);
    if (!command || SecondTry || glyph->Name != "c") return;
    s_tree.commands.push_back(command->GetCommand().GetText());
    if (command->GetCommand() == "answer") Message.SetHandled();
  };
  return glyph;
}

ZQF_Glyph* NewTestTree() {
  s_tree = TestTree{NewNode("a"), NewNode("b"), NewNode("c"), NewNode("d"), {}};
  s_tree.a->AddChild(s_tree.b, true);
  s_tree.a->AddChild(s_tree.c, true);
  s_tree.a->SetFocusChild(s_tree.c);
  s_tree.b->AddChild(s_tree.d, true);
  return s_tree.a;
}

class TestMainWindow : public MenuBarWindow {
 public:
  using MenuBarWindow::MenuBarWindow;
  HWND Cust_GetParentWindowHandle() override { return nullptr; }
};

class DebugPersonality : public ZQF_PLUGIN_ApplicationPersonality {
 public:
  explicit DebugPersonality(bool WithMenu) : withMenu(WithMenu) {}
  void RegisterPlugins() override {
    if (withMenu) Register(new ZQF_PLUGIN_AppMainMenuPlugin);
  }
  void OnStage(long Stage) override {
    if (Stage == 4) s_window = new TestMainWindow(new ZQF_TopLevelGlyph(NewTestTree()));
    if (Stage == 5) s_window->Construct(ZQ_Rectangle<long>(100, 100, 400, 120));
    if (Stage == 10 && s_window) {
      s_window->Destroy();
      s_window = nullptr;
      PumpMessages();
    }
  }

 private:
  bool withMenu;
};

std::string Hex(const void* Address) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", reinterpret_cast<unsigned>(Address));
  return text;
}

class DebugMenuTest : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    ZQF_ApplicationFunctions functions;
    functions.GetMainWindow = &GetTestMainWindow;
    savedLink = ZQF_ApplicationLink_Register(functions);
    ZQF_DebugMenu_MainMenuHook = nullptr;
  }
  void TearDown() override {
    RunStages(8, 13);
    personality.reset();
    ZQF_DebugMenu_MainMenuHook = nullptr;
    ZQF_ApplicationLink_Register(savedLink);
    StageSequenceTest::TearDown();
  }
  void Start(bool WithMenu = true) {
    personality.reset(new DebugPersonality(WithMenu));
    ASSERT_EQ(RunStages(1, 7).failedStage, 0);
  }
  static HMENU Bar() { return ::GetMenu(s_window->GetWindowHandle()); }
  static HWND DialogWindow() { return NewestDialog()->GetWindow()->GetWindowHandle(); }
  // Dispatches F12 (or another key) into the main window's tree.
  static bool Press(bool Down, ZQF_KeyCode Key, bool Shift, bool Control, bool Alt) {
    std::unique_ptr<ZQF_KeyMessage> key;
    if (Down) key.reset(new ZQF_DownKeyMessage(Key, Shift, Control, Alt));
    else key.reset(new ZQF_UpKeyMessage(Key, Shift, Control, Alt));
    s_window->GetTopLevelGlyph()->Dispatch(*key);
    return key->IsHandled();
  }

  std::unique_ptr<DebugPersonality> personality;
  ZQF_ApplicationFunctions savedLink;
};

TEST_F(DebugMenuTest, F12TakesCtrlAltForTheMenuAndAltForTheTestFunctionOnly) {
  Start();
  const struct {
    const char* why;
    bool down;
    ZQF_KeyCode key;
    bool shift, control, alt;
    bool handled, menuShown, testRan;
  } kCases[] = {
      {"F12 alone passes", true, ZQF_Key_F12, false, false, false, false, false, false},
      {"Ctrl+Shift+Alt passes", true, ZQF_Key_F12, true, true, true, false, false, false},
      {"Ctrl+F12 passes", true, ZQF_Key_F12, false, true, false, false, false, false},
      {"Ctrl+Alt+F11 passes", true, ZQF_Key_F11, false, true, true, false, false, false},
      {"Alt+F12 up is taken, runs nothing", false, ZQF_Key_F12, false, false, true, true, false,
       false},
      {"Alt+F12 down runs the test function", true, ZQF_Key_F12, false, false, true, true, false,
       true},
      {"Ctrl+Alt+F12 up is taken, adds nothing", false, ZQF_Key_F12, false, true, true, true,
       false, false},
      {"Ctrl+Alt+F12 down adds the menu", true, ZQF_Key_F12, false, true, true, true, true, false},
      {"again: taken, still one menu", true, ZQF_Key_F12, false, true, true, true, true, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string logBefore = ZQ_GetDebugLogText().GetText();
    EXPECT_EQ(Press(c.down, c.key, c.shift, c.control, c.alt), c.handled);
    EXPECT_EQ(ZQF_DebugMenu::HasDebugMenuBeenShown(), c.menuShown);
    const std::string logAfter = ZQ_GetDebugLogText().GetText();
    EXPECT_EQ(logAfter.find("Entering MainTestFunction", logBefore.size()) != std::string::npos,
              c.testRan);
  }
  RunIdleActions();
  EXPECT_EQ(Describe(Bar()).substr(Describe(Bar()).find("|&Debug")),
            "|&Debug(&Display System Information|&ZQF_Glyph Browser|&Execute Test Function"
            "|&Send Debug Command|Execute Ti&ming Function|&Time Drawing Speed"
            "|Error Generation(Cause GPF Error|Cause Divide by Zero Error"
            "|Cause Assertion Failure Error|Cause Math Library Error|Cause bad_alloc Error"
            "|Cause bad_cast Error|Cause ZQ_ReportError Error|Cause ZQ_ReportError Warning))");
}

// The command identifier of the item labelled Label, searched depth first.
UINT ItemID(HMENU Menu, const std::string& Label) {
  for (int i = 0; i < ::GetMenuItemCount(Menu); ++i) {
    if (HMENU sub = ::GetSubMenu(Menu, i)) {
      if (UINT id = ItemID(sub, Label)) return id;
      continue;
    }
    char text[64] = {};
    ::GetMenuStringA(Menu, i, text, sizeof text, MF_BYPOSITION);
    if (Label == text) return ::GetMenuItemID(Menu, i);
  }
  return 0;
}

std::vector<std::string> s_reported;
void RecordReport(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level) {
  s_reported.push_back(std::to_string(Level) + " " + Error.GetName().GetText() + ": " +
                       Error.GetDescription().GetText());
}

TEST_F(DebugMenuTest, ChosenItemsReportShowOrLogWhatTheyName) {
  Start();
  Press(true, ZQF_Key_F12, false, true, true);
  RunIdleActions();
  ZQ_SetErrorReportingFunction(&RecordReport);
  const struct {
    const char* label;
    const char* dialogTitle;  // null: no dialog
    const char* reported;     // "": nothing
    bool testRan;
  } kCases[] = {
      {"Cause ZQ_ReportError Error", nullptr, "0 Test Error: Test Error Description", false},
      {"Cause ZQ_ReportError Warning", nullptr, "1 Test Warning: Test Warning Description", false},
      {"&Display System Information", "Debug Stats", "", false},
      {"&ZQF_Glyph Browser", "ZQF_Glyph Browser", "", false},
      {"&Execute Test Function", nullptr, "", true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.label);
    s_reported.clear();
    const size_t logBefore = ZQ_GetDebugLogText().GetLength();
    std::string title;
    if (c.dialogTitle) {
      IdleStep::Queue([&] {
        title = NewestDialog()->GetTitle().GetText();
        PressKey(DialogWindow(), VK_RETURN);
      });
    }
    const UINT id = ItemID(Bar(), c.label);
    ASSERT_NE(id, 0u);
    Send(s_window->GetWindowHandle(), WM_COMMAND, id, 0);
    EXPECT_EQ(title, c.dialogTitle ? c.dialogTitle : "");
    EXPECT_EQ(s_reported, *c.reported ? std::vector<std::string>{c.reported}
                                      : std::vector<std::string>{});
    const std::string log = ZQ_GetDebugLogText().GetText();
    EXPECT_EQ(log.find("Entering MainTestFunction", logBefore) != std::string::npos, c.testRan);
  }
  ZQ_UseStandardInteractiveErrorReporting();
}

TEST_F(DebugMenuTest, BeforeTheMainMenuExistsCtrlAltF12IsTakenAndAddsNothing) {
  Start(false);
  EXPECT_TRUE(Press(true, ZQF_Key_F12, false, true, true));
  EXPECT_FALSE(ZQF_DebugMenu::HasDebugMenuBeenShown());
}

TEST_F(DebugMenuTest, ACommandIsOfferedAgainBeepsWhenUnhandledAndACancelSendsNothing) {
  Start();
  int beeps = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::MessageBeep> fake([&](UINT) {
    ++beeps;
    return TRUE;
  });
  const struct {
    const char* why;
    const char* offered;
    const char* typed;
    UINT key;
    std::vector<std::string> received;
    int beeps;
  } kCases[] = {
      {"unhandled: sent and beeps", "", "ping", VK_RETURN, {"ping"}, 1},
      {"handled: the last one is offered, no beep", "ping", "answer", VK_RETURN, {"answer"}, 0},
      {"cancelled: kept, nothing sent, no beep", "answer", "draft", VK_ESCAPE, {}, 0},
      {"the cancelled text is offered next", "draft", "draft", VK_RETURN, {"draft"}, 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    beeps = 0;
    s_tree.commands.clear();
    IdleStep::Queue([&] {
      auto* query = dynamic_cast<ZQF_SimpleStringQueryDialogBox*>(NewestDialog());
      ASSERT_NE(query, nullptr);
      EXPECT_EQ(std::string(query->GetTitle().GetText()), "Enter Debug Command");
      EXPECT_EQ(std::string(query->GetValue().GetText()), c.offered);
      query->GetTextEdit()->SetText(ZQ_String(c.typed));
      PressKey(DialogWindow(), c.key);
    });
    ZQF_DebugMenu::SendDebugCommand();
    EXPECT_EQ(std::string(ZQF_DebugMenu::GetLastDebugCommand().GetText()), c.typed);
    EXPECT_EQ(s_tree.commands, c.received);
    EXPECT_EQ(beeps, c.beeps);
  }
}

TEST_F(DebugMenuTest, BrowserShowsTheTreeByFocusPlaceWithChildrenOnDemandAndProperties) {
  Start();
  s_window->Show(ZQF_ShowState_Show);
  PumpMessages();
  IdleStep::Queue([&] {
    auto* browser = dynamic_cast<GlyphBrowserDialogBox*>(NewestDialog());
    ASSERT_NE(browser, nullptr);
    GlyphBrowserManagerGlyph* manager = browser->GetManager();
    ZQF_ListGlyph* list = manager->GetGlyphList();
    ZQF_ListGlyphElement* root = list->GetFirstRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(root->HasChildren());
    EXPECT_EQ(root->GetFirstChild(), nullptr) << "children before the row was opened";
    list->OpenAll();
    const ZQF_Glyph* top = s_window->GetTopLevelGlyph();
    const struct {
      std::string text;
      GlyphBrowserFocusPlace place;
    } kRows[] = {
        {"ZQF_TopLevelGlyph " + Hex(top), GlyphBrowserFocusPlace_OnFocusPath},
        {"RecordingGlyph " + Hex(s_tree.a), GlyphBrowserFocusPlace_OnFocusPath},
        {"RecordingGlyph " + Hex(s_tree.b), GlyphBrowserFocusPlace_NotFocusChild},
        {"RecordingGlyph " + Hex(s_tree.d), GlyphBrowserFocusPlace_FocusChild},
        {"RecordingGlyph " + Hex(s_tree.c), GlyphBrowserFocusPlace_OnFocusPath},
    };
    ZQF_ListGlyphElement* element = root;
    GlyphBrowserGlyphElement* rowOfB = nullptr;
    for (const auto& row : kRows) {
      SCOPED_TRACE(row.text);
      auto* glyphRow = dynamic_cast<GlyphBrowserGlyphElement*>(element);
      ASSERT_NE(glyphRow, nullptr);
      EXPECT_EQ(std::string(glyphRow->GetText().GetText()), row.text);
      EXPECT_EQ(glyphRow->GetFocusPlace(), row.place);
      if (row.place == GlyphBrowserFocusPlace_NotFocusChild) rowOfB = glyphRow;
      element = list->GetNext(element, ZQF_ListGlyph::Subset_All);
    }
    EXPECT_EQ(element, nullptr);

    list->SetFocus(rowOfB);
    list->Select(rowOfB, true);
    list->DispatchListChangeNotification(ZQF_ListGlyph::ListChange_Mouse);
    const std::string text = manager->GetGlyphPropertyText().GetText();
    EXPECT_EQ(text.substr(0, text.find("\nDesired")),
              "Properties of RecordingGlyph " + Hex(s_tree.b) + "\nType = RecordingGlyph\nID = " +
                  Hex(s_tree.b));
    PumpMessages();
    browser->GetWindow()->Update();
    SaveScreenshot(DialogWindow(), "glyph-browser");

    // A glyph destroyed while the browser is open is no longer touched.
    s_tree.a->DeleteChild(s_tree.b);
    manager->RespondToObjectSelection(rowOfB);
    EXPECT_EQ(std::string(manager->GetGlyphPropertyText().GetText()),
              "Properties of RecordingGlyph " + Hex(s_tree.b) + "\n(destroyed)");
    EXPECT_TRUE(FailedOn(FailureOf([&] { manager->RespondToObjectSelection(nullptr); }),
                         "Element"));
    PressKey(DialogWindow(), VK_RETURN);
  });
  ZQF_DebugMenu::ActivateGlyphBrowser();
}

}  // namespace
