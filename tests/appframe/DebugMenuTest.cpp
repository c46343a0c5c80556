// The hidden debug menu and the glyph browser, on a real captioned main
// window with the standard menu bar; dialogs are driven by idle steps.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "../gui/core/MenuTestSupport.h"
#include "../gui/dialogs/DialogTestSupport.h"
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
#include "ZQ_Stopwatch.h"

namespace {

ZQF_Window* s_window = nullptr;
ZQF_Window* GetTestMainWindow() { return s_window; }

// Under the top-level glyph: a holds b and c, c its focus child; b holds d.
// c, the focus leaf, records every debug command and answers "answer".
RecordingGlyph *s_a, *s_b, *s_c, *s_d;
std::vector<std::string> s_commands;

ZQF_Glyph* NewTestTree() {
  RecordingGlyph** nodes[] = {&s_a, &s_b, &s_c, &s_d};
  for (RecordingGlyph** node : nodes) *node = new RecordingGlyph("", nullptr);
  s_c->SetBox(0, 0, 10, 10);
  s_c->OnOffer = [](ZQF_Message& Message, bool SecondTry) {
    auto* command = dynamic_cast<ZQF_Debug_ExecuteDebugCommandCommandMessage*>(&Message);
    if (!command || SecondTry) return;
    s_commands.push_back(command->GetCommand().GetText());
    if (command->GetCommand() == "answer") Message.SetHandled();
  };
  s_a->AddChild(s_b, true);
  s_a->AddChild(s_c, true);
  s_a->SetFocusChild(s_c);
  s_b->AddChild(s_d, true);
  return s_a;
}

class DebugPersonality : public ZQF_PLUGIN_ApplicationPersonality {
 public:
  void RegisterPlugins() override { Register(new ZQF_PLUGIN_AppMainMenuPlugin); }
  void OnStage(long Stage) override {
    if (Stage == 4) s_window = new MenuBarWindow(new ZQF_TopLevelGlyph(NewTestTree()));
    if (Stage == 5) s_window->Construct(ZQ_Rectangle<long>(100, 100, 400, 120));
    if (Stage == 10 && s_window) {
      s_window->Destroy();
      s_window = nullptr;
      PumpMessages();
    }
  }
};

std::string Hex(const void* Address) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", reinterpret_cast<unsigned>(Address));
  return text;
}

// The command identifier of the item labelled Label, searched depth first.
UINT ItemID(HMENU Menu, const std::string& Label) {
  for (int i = 0; i < ::GetMenuItemCount(Menu); ++i) {
    char text[64] = {};
    HMENU sub = ::GetSubMenu(Menu, i);
    if (UINT id = sub ? ItemID(sub, Label) : 0) return id;
    ::GetMenuStringA(Menu, i, text, sizeof text, MF_BYPOSITION);
    if (!sub && Label == text) return ::GetMenuItemID(Menu, i);
  }
  return 0;
}

std::vector<std::string> s_reported;
unsigned long s_ticks = 0;
void RecordReport(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level) {
  s_reported.push_back(std::to_string(Level) + " " + Error.GetName().GetText() + ": " +
                       Error.GetDescription().GetText());
}

class DebugMenuTest : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    ZQF_ApplicationFunctions functions;
    functions.GetMainWindow = &GetTestMainWindow;
    savedLink = ZQF_ApplicationLink_Register(functions);
    personality.reset(new DebugPersonality);
    ASSERT_EQ(RunStages(1, 7).failedStage, 0);
  }
  void TearDown() override {
    RunStages(8, 13);
    personality.reset();
    ZQF_DebugMenu_MainMenuHook = nullptr;
    ZQF_ApplicationLink_Register(savedLink);
    ZQ_UseStandardInteractiveErrorReporting();
    StageSequenceTest::TearDown();
  }
  static HMENU Bar() { return ::GetMenu(s_window->GetWindowHandle()); }
  static HWND DialogWindow() { return NewestDialog()->GetWindow()->GetWindowHandle(); }
  // Dispatches a key into the main window's tree; true when it was taken.
  template <class Message = ZQF_DownKeyMessage>
  static bool Press(ZQF_KeyCode Key, bool Shift, bool Control, bool Alt) {
    Message key(Key, Shift, Control, Alt);
    s_window->GetTopLevelGlyph()->Dispatch(key);
    return key.IsHandled();
  }

  std::unique_ptr<DebugPersonality> personality;
  ZQF_ApplicationFunctions savedLink;
};

TEST_F(DebugMenuTest, F12TakesCtrlAltForTheMenuOnceAndAltForTheTestFunction) {
  // Before the main menu plug-in installs its hook the keys add nothing.
  const ZQF_DebugMenu_MainMenuHookType hook = ZQF_DebugMenu_MainMenuHook;
  ZQF_DebugMenu_MainMenuHook = nullptr;
  EXPECT_TRUE(Press(ZQF_Key_F12, false, true, true));
  ZQF_DebugMenu_MainMenuHook = hook;
  const struct {
    const char* why;
    bool down;
    ZQF_KeyCode key;
    bool shift, control, alt, handled, menuShown, testRan;
  } kCases[] = {
      {"F12 alone passes", true, ZQF_Key_F12, 0, 0, 0, 0, 0, 0},
      {"Ctrl+Shift+Alt passes", true, ZQF_Key_F12, 1, 1, 1, 0, 0, 0},
      {"Alt up: taken, runs nothing", false, ZQF_Key_F12, 0, 0, 1, 1, 0, 0},
      {"Alt down: the test function", true, ZQF_Key_F12, 0, 0, 1, 1, 0, 1},
      {"Ctrl+Alt up: taken, adds nothing", false, ZQF_Key_F12, 0, 1, 1, 1, 0, 0},
      {"Ctrl+Alt down: the menu", true, ZQF_Key_F12, 0, 1, 1, 1, 1, 0},
      {"again: taken, still one menu", true, ZQF_Key_F12, 0, 1, 1, 1, 1, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const size_t logLength = ZQ_GetDebugLogText().GetLength();
    EXPECT_EQ(c.down ? Press(c.key, c.shift, c.control, c.alt)
                     : Press<ZQF_UpKeyMessage>(c.key, c.shift, c.control, c.alt),
              c.handled);
    EXPECT_EQ(ZQF_DebugMenu::HasDebugMenuBeenShown(), c.menuShown);
    const std::string log = ZQ_GetDebugLogText().GetText();
    EXPECT_EQ(log.find("Entering MainTestFunction", logLength) != std::string::npos, c.testRan);
  }
  // A real Alt+F12 from Windows reaches the hook too.
  const size_t logLength = ZQ_GetDebugLogText().GetLength();
  SetModifierKeys(false, false, true);
  Send(s_window->GetWindowHandle(), WM_SYSKEYDOWN, VK_F12, 0x20000001);
  SetModifierKeys(false, false, false);
  EXPECT_NE(
      std::string(ZQ_GetDebugLogText().GetText()).find("Entering MainTestFunction", logLength),
      std::string::npos);
  RunIdleActions();
  const std::string bar = Describe(Bar());
  EXPECT_EQ(bar.substr(bar.find("|&Debug")),
            "|&Debug(&Display System Information|&ZQF_Glyph Browser|&Execute Test Function"
            "|&Send Debug Command|Execute Ti&ming Function|&Time Drawing Speed"
            "|Error Generation(Cause GPF Error|Cause Divide by Zero Error"
            "|Cause Assertion Failure Error|Cause Math Library Error|Cause bad_alloc Error"
            "|Cause bad_cast Error|Cause ZQ_ReportError Error|Cause ZQ_ReportError Warning))");
}

TEST_F(DebugMenuTest, ChosenItemsReportShowOrLogWhatTheyName) {
  Press(ZQF_Key_F12, false, true, true);
  RunIdleActions();
  ZQ_SetErrorReportingFunction(&RecordReport);
  const struct {
    const char *label, *dialogTitle;  // "": no dialog
    std::vector<std::string> reported;
  } kCases[] = {
      {"Cause ZQ_ReportError Error", "", {"0 Test Error: Test Error Description"}},
      {"Cause ZQ_ReportError Warning", "", {"1 Test Warning: Test Warning Description"}},
      {"&Display System Information", "Debug Stats", {}},
      {"&ZQF_Glyph Browser", "ZQF_Glyph Browser", {}},
      {"Execute Ti&ming Function", "Results of timing test", {}},
  };
  // Two seconds pass at each reading: the timing test measures once, at once.
  const ZQ_MillisecondTickCountSource clock =
      ZQ_SetMillisecondTickCountSource([]() -> unsigned long { return s_ticks += 2000; });
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.label);
    s_reported.clear();
    std::string title;
    if (*c.dialogTitle) {
      IdleStep::Queue([&] {
        title = NewestDialog()->GetTitle().GetText();
        PressKey(DialogWindow(), VK_RETURN);
      });
    }
    Send(s_window->GetWindowHandle(), WM_COMMAND, ItemID(Bar(), c.label), 0);
    EXPECT_EQ(title, c.dialogTitle);
    EXPECT_EQ(s_reported, c.reported);
  }
  ZQ_SetMillisecondTickCountSource(clock);
}

TEST_F(DebugMenuTest, ACommandIsOfferedAgainBeepsWhenUnhandledAndACancelSendsNothing) {
  int beeps = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::MessageBeep> fake(
      [&](UINT) -> BOOL { return ++beeps > 0; });
  const struct {
    const char *why, *offered, *typed;
    UINT key;
    std::vector<std::string> received;
    int beeps;
  } kCases[] = {
      {"unhandled: sent and beeps", "", "ping", VK_RETURN, {"ping"}, 1},
      {"handled: the last one offered, no beep", "ping", "answer", VK_RETURN, {"answer"}, 0},
      {"cancelled: kept, nothing sent, no beep", "answer", "draft", VK_ESCAPE, {}, 0},
      {"the cancelled text is offered next", "draft", "draft", VK_RETURN, {"draft"}, 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    beeps = 0;
    s_commands.clear();
    IdleStep::Queue([&] {
      auto* query = static_cast<ZQF_SimpleStringQueryDialogBox*>(NewestDialog());
      EXPECT_EQ(std::string(query->GetValue().GetText()), c.offered);
      query->GetTextEdit()->SetText(ZQ_String(c.typed));
      PressKey(DialogWindow(), c.key);
    });
    ZQF_DebugMenu::SendDebugCommand();
    EXPECT_EQ(std::string(ZQF_DebugMenu::GetLastDebugCommand().GetText()), c.typed);
    EXPECT_EQ(s_commands, c.received);
    EXPECT_EQ(beeps, c.beeps);
  }
}

TEST_F(DebugMenuTest, BrowserShowsTheTreeByFocusPlaceWithChildrenOnDemandAndProperties) {
  IdleStep::Queue([&] {
    auto* browser = static_cast<GlyphBrowserDialogBox*>(NewestDialog());
    GlyphBrowserManagerGlyph* manager = browser->GetManager();
    ZQF_ListGlyph* list = manager->GetGlyphList();
    ZQF_ListGlyphElement* element = list->GetFirstRoot();
    EXPECT_TRUE(element->HasChildren());
    EXPECT_EQ(element->GetFirstChild(), nullptr) << "children before the row was opened";
    list->OpenAll();
    const std::pair<std::string, GlyphBrowserFocusPlace> kRows[] = {
        {"ZQF_TopLevelGlyph " + Hex(s_window->GetTopLevelGlyph()),
         GlyphBrowserFocusPlace_OnFocusPath},
        {"RecordingGlyph " + Hex(s_a), GlyphBrowserFocusPlace_OnFocusPath},
        {"RecordingGlyph " + Hex(s_b), GlyphBrowserFocusPlace_NotFocusChild},
        {"RecordingGlyph " + Hex(s_d), GlyphBrowserFocusPlace_FocusChild},
        {"RecordingGlyph " + Hex(s_c), GlyphBrowserFocusPlace_OnFocusPath},
    };
    auto* rowOfB =
        static_cast<GlyphBrowserGlyphElement*>(element->GetFirstChild()->GetFirstChild());
    for (const auto& row : kRows) {
      SCOPED_TRACE(row.first);
      auto* glyphRow = dynamic_cast<GlyphBrowserGlyphElement*>(element);
      ASSERT_NE(glyphRow, nullptr);
      EXPECT_EQ(std::string(glyphRow->GetText().GetText()), row.first);
      EXPECT_EQ(glyphRow->GetFocusPlace(), row.second);
      element = list->GetNext(element, ZQF_ListGlyph::Subset_All);
    }
    EXPECT_EQ(element, nullptr);

    list->SetFocus(rowOfB);
    list->Select(rowOfB, true);
    list->DispatchListChangeNotification(ZQF_ListGlyph::ListChange_Mouse);
    const std::string text = manager->GetGlyphPropertyText().GetText();
    EXPECT_EQ(
        text.substr(0, text.find("\nDesired")),
        "Properties of RecordingGlyph " + Hex(s_b) + "\nType = RecordingGlyph\nID = " + Hex(s_b));
    PumpMessages();
    browser->GetWindow()->Update();
    SaveScreenshot(DialogWindow(), "glyph-browser");

    // A glyph destroyed while the browser is open is no longer touched.
    s_a->DeleteChild(s_b);
    manager->RespondToObjectSelection(rowOfB);
    EXPECT_EQ(std::string(manager->GetGlyphPropertyText().GetText()),
              "Properties of RecordingGlyph " + Hex(s_b) + "\n(destroyed)");
    EXPECT_TRUE(
        FailedOn(FailureOf([&] { manager->RespondToObjectSelection(nullptr); }), "Element"));
    PressKey(DialogWindow(), VK_RETURN);
  });
  ZQF_DebugMenu::ActivateGlyphBrowser();
}

}  // namespace
