// Main, secondary and transient windows on real windows.
#include <gtest/gtest.h>

#include <memory>

#include "WindowTestSupport.h"
#include "ZQF_ApplicationLink.h"
#include "ZQF_MainApplicationTopLevelGlyph.h"
#include "ZQF_MainApplicationWindow.h"
#include "ZQF_SecondaryTopLevelGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_TransientWindow.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQLOW_WINUSER.h"

namespace {

// The main window's preparation for its end: how often, and whether the
// window still existed then.
int s_preparations = 0;
bool s_windowAlive = false;

void RecordPreparation() {
  ++s_preparations;
  s_windowAlive = ::IsWindow(ZQLOW_WIN_GetProgramMainWindowHandle()) != FALSE;
}

// The main window under test replaces the harness's as program main window
// for its life.
class MainWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    harnessMain = ZQLOW_WIN_GetProgramMainWindowHandle();
    ZQF_ApplicationFunctions functions;
    functions.PrepareForAppMainWindowDestruction = &RecordPreparation;
    saved = ZQF_ApplicationLink_Register(functions);
  }
  void TearDown() override {
    ZQF_ApplicationLink_Register(saved);
    ZQLOW_WIN_SetProgramMainWindowHandle(harnessMain);
    WindowTest::TearDown();
  }
  ZQF_MainApplicationWindow* OpenMain(RecordingGlyph* Client) {
    return Open(new ZQF_MainApplicationWindow(new ZQF_MainApplicationTopLevelGlyph(Client)),
                ZQ_Rectangle<long>());
  }

  HWND harnessMain = nullptr;
  ZQF_ApplicationFunctions saved;
};

TEST_F(MainWindowTest, EveryWayOfClosingPreparesThenEndsTheLoop) {
  const struct {
    const char* Name;
    void (*Close)(HWND Window, ZQF_Glyph* Root);
  } ways[] = {
      {"Exit command",
       [](HWND, ZQF_Glyph* Root) {
         ZQF_ExitCommandMessage exit;
         Root->Dispatch(exit);
       }},
      {"system menu", [](HWND Window, ZQF_Glyph*) { Send(Window, WM_SYSCOMMAND, SC_CLOSE); }},
      {"Alt+F4",
       [](HWND Window, ZQF_Glyph*) {
         SetModifierKeys(false, false, true);
         Send(Window, WM_SYSKEYDOWN, VK_F4, 1 << 29);
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.Name);
    s_preparations = 0;
    auto* client = new RecordingGlyph("client", nullptr);
    ZQF_Window* window = OpenMain(client);
    const HWND handle = window->GetWindowHandle();
    EXPECT_EQ(ZQLOW_WIN_GetProgramMainWindowHandle(), handle);
    client->PutOnFocusPath();
    way.Close(handle, window->GetTopLevelGlyph());
    EXPECT_TRUE(PumpMessages());  // WM_QUIT
    EXPECT_EQ(s_preparations, 1);
    EXPECT_TRUE(s_windowAlive);  // prepared before the window went
    EXPECT_FALSE(::IsWindow(handle));
    SetModifierKeys(false, false, false);
  }
}

TEST_F(MainWindowTest, ClassStyleIconAndHelpTopic) {
  auto* window = OpenMain(new RecordingGlyph("client", nullptr));
  const HWND handle = window->GetWindowHandle();
  EXPECT_EQ(::GetClassLongA(handle, GCL_STYLE), static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
  EXPECT_NE(::GetClassLongA(handle, GCL_HICON), 0u);  // the asterisk: no main icon here
  EXPECT_EQ(::GetClassLongA(handle, GCL_HCURSOR), 0u);
  EXPECT_EQ(::GetClassLongA(handle, GCL_HBRBACKGROUND), 0u);
  EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(handle, GWL_STYLE)) & WS_OVERLAPPEDWINDOW,
            static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
  EXPECT_EQ(::GetParent(handle), nullptr);
  EXPECT_NE(std::string(window->GetTopLevelGlyph()->GetHelpTopics().GetText())
                .find("ZQF_ApplicationMainWindow_id"),
            std::string::npos);
}

TEST(WindowRoots, ExitAndPageSetupAreAnsweredInTheMainWindowOnly) {
  ZQF_MainApplicationTopLevelGlyph main(new RecordingGlyph("client", nullptr));
  ZQF_SecondaryTopLevelGlyph dialog(new RecordingGlyph("client", nullptr));
  EXPECT_TRUE(main.IsMainOrSecondaryWindowRoot());
  EXPECT_TRUE(dialog.IsMainOrSecondaryWindowRoot());
  for (ZQF_TopLevelGlyph* root : {static_cast<ZQF_TopLevelGlyph*>(&main),
                                  static_cast<ZQF_TopLevelGlyph*>(&dialog)}) {
    root->ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 100, 100));
    ZQF_ExitCommandUpdateMessage exit;
    ZQF_PageSetupCommandUpdateMessage pageSetup;
    ZQF_CopyCommandUpdateMessage copy;
    root->Dispatch(exit);
    root->Dispatch(pageSetup);
    root->Dispatch(copy);
    EXPECT_EQ(exit.IsAvailable(), root == &main);
    EXPECT_EQ(pageSetup.IsAvailable(), root == &main);
    EXPECT_FALSE(copy.IsHandled());
  }
}

TEST_F(WindowTest, SecondaryWindowIsOwnedByItsOwnerOrTheMainWindow) {
  ZQF_Window* owner = OpenAround(new RecordingGlyph("owner", nullptr));
  auto* owned = new ZQF_SecondaryWindow(new ZQF_SecondaryTopLevelGlyph(new RecordingGlyph("d", nullptr)));
  owned->SetOwnerWindow(owner);
  Open(owned);
  auto* unowned = Open(new ZQF_SecondaryWindow(new ZQF_SecondaryTopLevelGlyph(new RecordingGlyph("d", nullptr))));
  EXPECT_EQ(::GetWindow(owned->GetWindowHandle(), GW_OWNER), owner->GetWindowHandle());
  EXPECT_EQ(::GetWindow(unowned->GetWindowHandle(), GW_OWNER), ZQLOW_WIN_GetProgramMainWindowHandle());
}

TEST_F(WindowTest, TransientWindowFloatsAboveTheOthers) {
  int registrations = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::RegisterClassA> counting(
      [&registrations](const WNDCLASSA* Class) {
        ++registrations;
        return ::RegisterClassA(Class);
      });
  // An ordinary window shown after the transient one, covering the same place.
  auto* transient = Open(new ZQF_TransientWindow(new ZQF_TopLevelGlyph(new RecordingGlyph("t", nullptr))),
                         ZQ_Rectangle<long>(150, 150, 60, 40));
  auto* second = new ZQF_TransientWindow(new ZQF_TopLevelGlyph(new RecordingGlyph("t2", nullptr)));
  Open(second, ZQ_Rectangle<long>(600, 600, 10, 10));
  OpenAround(new RecordingGlyph("below", nullptr), ZQ_Rectangle<long>(100, 100, 200, 150));
  transient->MakeTopTopmost();
  const HWND handle = transient->GetWindowHandle();
  EXPECT_LE(registrations, 1);  // the class is registered once in the run
  EXPECT_EQ(::GetClassLongA(handle, GCL_STYLE),
            static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS));
  EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(handle, GWL_STYLE)) & WS_CHILD,
            static_cast<DWORD>(WS_CHILD));
  EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(handle, GWL_EXSTYLE)) &
                (WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
            static_cast<DWORD>(WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
  EXPECT_EQ(::GetAncestor(handle, GA_PARENT), ::GetDesktopWindow());
  EXPECT_EQ(::WindowFromPoint(POINT{170, 160}), handle);
}

}  // namespace
