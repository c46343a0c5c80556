// The window procedure and the window object on real windows.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "DebugLogMark.h"
#include "WindowTestSupport.h"
#include "ZQF_MessageHook.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQLOW_WINUSER.h"

namespace {

class CountingWindow : public ZQF_Window {
 public:
  using ZQF_Window::ZQF_Window;
  bool OnPaint() override {
    ++NumPaints;
    return ZQF_Window::OnPaint();
  }
  int NumPaints = 0;
};

TEST_F(WindowTest, HandlerResultChoosesBetweenZeroAndDefaultProcessing) {
  auto* client = new RecordingGlyph("client", &log);
  client->HandleOn("Command", 1);  // takes the close command
  ZQF_Window* window = OpenAround(client);
  const HWND handle = window->GetWindowHandle();
  EXPECT_EQ(window->GetTopLevelGlyph()->GetContainingWindow(), window);  // bound at WM_CREATE

  // OnActivate answers false: DefWindowProcA, given the same wParam, gives
  // the focus to an activated window only.
  ::SetFocus(ZQLOW_WIN_GetProgramMainWindowHandle());
  Send(handle, WM_ACTIVATE, WA_INACTIVE);
  EXPECT_NE(::GetFocus(), handle);
  Send(handle, WM_ACTIVATE, WA_ACTIVE);
  EXPECT_EQ(::GetFocus(), handle);

  // OnClose answers true: 0, and DefWindowProcA does not destroy the window.
  log.clear();
  EXPECT_EQ(Send(handle, WM_CLOSE), 0);
  EXPECT_TRUE(::IsWindow(handle));
  EXPECT_EQ(Joined(log), "client.Command1");
}

TEST_F(WindowTest, MessageForHandleWithoutWindowObjectGoesToDefaultProcessing) {
  ZQF_Window* registering = OpenAround(new RecordingGlyph("c", nullptr));
  ASSERT_TRUE(registering);  // the class exists now
  const HWND stranger = ::CreateWindowExA(0, "ZQFWIN", "", WS_POPUP, 0, 0, 50, 50, nullptr,
                                          nullptr, ZQLOW_WIN_GetProgramInstanceHandle(), nullptr);
  ASSERT_TRUE(stranger);
  opened.push_back(stranger);
  Send(stranger, WM_ACTIVATE, WA_ACTIVE);
  EXPECT_EQ(::GetFocus(), stranger);
  EXPECT_EQ(ZQF_Window::GetWindowFromHandle(stranger), nullptr);
}

TEST_F(WindowTest, RawHookThatClaimsKeepsMessageFromEveryHandler) {
  auto* window = Open(new CountingWindow(new ZQF_TopLevelGlyph(new RecordingGlyph("c", &log))));
  const int paintsBefore = window->NumPaints;
  const HWND handle = window->GetWindowHandle();
  log.clear();
  const unsigned long key = 77;
  ZQF_InstallRawHook(ZQF_RawHookCallback([](const ZQF_RawMessageRecord&, bool& Handled) {
                       Handled = true;
                     }),
                     key);
  EXPECT_EQ(Send(handle, WM_LBUTTONDOWN, 0, Point(10, 10)), 0);
  ::InvalidateRect(handle, nullptr, FALSE);
  Send(handle, WM_PAINT);
  ZQF_UninstallRawHooks(key);
  EXPECT_EQ(Joined(log), "");
  EXPECT_EQ(window->NumPaints, paintsBefore);
}

TEST_F(WindowTest, ExceptionsOfHandlersEndTheMessage) {
  auto* client = new RecordingGlyph("c", nullptr);
  const auto throwing = std::make_shared<int>(0);
  int& thrown = *throwing;
  client->OnOffer = [throwing](ZQF_Message&, bool) {
    switch (*throwing) {
      case 1: throw ZQ_CancelCurrentOperationException();
      case 2: throw ZQ_Exception("Broken", "The glyph broke");
      case 3: throw std::runtime_error("foreign");
    }
  };
  const HWND handle = OpenAround(client)->GetWindowHandle();
  const LogMark mark;
  thrown = 1;
  EXPECT_EQ(Send(handle, WM_LBUTTONDOWN, 0, Point(5, 5)), 0);
  EXPECT_TRUE(ReportedErrors().empty());
  thrown = 2;
  EXPECT_EQ(Send(handle, WM_LBUTTONDOWN, 0, Point(5, 5)), 0);
  EXPECT_EQ(ReportedErrors(), std::vector<std::string>{"The glyph broke"});
  EXPECT_NE(mark.Since().find("\n\n\nUncaught exception in function WndProc"), std::string::npos);
  // Any other exception is parked and goes on after the dispatch.
  thrown = 3;
  EXPECT_THROW(Send(handle, WM_LBUTTONDOWN, 0, Point(5, 5)), std::runtime_error);
  thrown = 0;
  EXPECT_TRUE(::IsWindow(handle));  // the window stays usable
}

TEST_F(WindowTest, FatalErrorModePaintsWindowColourAndRunsNoGlyphCode) {
  const HWND handle = OpenAround(new RecordingGlyph("c", &log))->GetWindowHandle();
  log.clear();
  ZQ_FatalErrorInProgress = true;
  ::InvalidateRect(handle, nullptr, FALSE);
  const ZQIMG_Image shot = SaveScreenshot(handle, "FatalErrorMode");
  Send(handle, WM_LBUTTONDOWN, 0, Point(5, 5));
  ZQ_FatalErrorInProgress = false;
  EXPECT_EQ(shot.GetPixelColor(20, 20), ZQR_Color(::GetSysColor(COLOR_WINDOW)));
  EXPECT_EQ(Joined(log), "");
}

TEST_F(WindowTest, DefaultPlaceIsHalfTheWorkAreaAtOrigin) {
  RECT area;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  ZQF_Window* window = OpenAround(new RecordingGlyph("c", nullptr), ZQ_Rectangle<long>());
  EXPECT_EQ(window->GetWindowRectangle(),
            ZQ_Rectangle<long>(0, 0, (area.right - area.left) / 2, (area.bottom - area.top) / 2));
}

TEST_F(WindowTest, DisablingNests) {
  ZQF_Window* window = OpenAround(new RecordingGlyph("c", nullptr));
  const HWND handle = window->GetWindowHandle();
  window->DisablePush();
  window->DisablePush();
  window->DisablePop();
  EXPECT_FALSE(::IsWindowEnabled(handle));
  window->DisablePop();
  EXPECT_TRUE(::IsWindowEnabled(handle));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { window->DisablePop(); }), "DisableLevel > 0"));
}

TEST_F(WindowTest, ShowStatesBecomeShowWindowCodes) {
  ZQF_Window* window = OpenAround(new RecordingGlyph("c", nullptr));
  int code = -1;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::ShowWindow> fake([&code](HWND, int Show) {
    code = Show;
    return TRUE;
  });
  const struct {
    int State;
    int Code;
  } cases[] = {{ZQF_ShowState_Normal, SW_SHOWNORMAL}, {ZQF_ShowState_Minimized, SW_MINIMIZE},
               {ZQF_ShowState_Maximized, SW_SHOWMAXIMIZED}, {ZQF_ShowState_Restore, SW_RESTORE},
               {ZQF_ShowState_Hidden, SW_HIDE}, {ZQF_ShowState_Show, SW_SHOW},
               {SW_SHOWNOACTIVATE, SW_SHOWNOACTIVATE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.State);
    window->Show(static_cast<ZQF_ShowState>(c.State));
    EXPECT_EQ(code, c.Code);
  }
}

TEST_F(WindowTest, CaptureTakesMouseMessagesOfEveryWindowUntilCancelled) {
  auto* capturing = new RecordingGlyph("a", &log);
  OpenAround(capturing);
  const HWND other = OpenAround(new RecordingGlyph("b", &log),
                                ZQ_Rectangle<long>(320, 100, 100, 100))->GetWindowHandle();
  ZQF_Window::CaptureMouse(capturing);
  log.clear();
  const auto releases = std::make_shared<std::vector<ZQ_Point<long>>>();
  capturing->OnOffer = [releases](ZQF_Message& Message, bool SecondTry) {
    if (auto* up = dynamic_cast<ZQF_LeftUpMouseMessage*>(&Message); up && !SecondTry) {
      releases->push_back(up->GetPosition());
    }
  };
  Send(other, WM_MOUSEMOVE, 0, Point(20, 20));
  Send(other, WM_CANCELMODE);
  EXPECT_EQ(Joined(log), "a.Move1 a.Move2 a.LeftUp1 a.LeftUp2");
  EXPECT_EQ(*releases, std::vector<ZQ_Point<long>>{ZQ_Point<long>(-1, -1)});
  EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
}

TEST_F(WindowTest, DestroyingTheCapturingWindowReleasesTheCapture) {
  auto* capturing = new RecordingGlyph("a", nullptr);
  const long before = ZQF_Window::GetNumCurrentWindows();
  ZQF_Window* window = OpenAround(capturing);
  ZQF_Window::CaptureMouse(capturing);
  window->Destroy();
  EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
  EXPECT_EQ(ZQF_Window::GetNumCurrentWindows(), before);  // the object went with it
}

}  // namespace
