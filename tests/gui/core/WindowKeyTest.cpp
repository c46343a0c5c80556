// Keys, characters and the wheel, from Windows messages to glyph messages.
#include <gtest/gtest.h>

#include <memory>

#include "WindowTestSupport.h"
#include "ZQF_MouseWheel.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINUSER.h"

namespace {

struct Stroke {
  UINT Message;
  WPARAM Key;
};

struct KeyCase {
  const char* Name;
  bool Shift, Control, Alt;
  std::vector<Stroke> Strokes;
  std::vector<std::string> Delivered;
};

class WindowKeyTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    recorder = new KeyRecorder;
    window = OpenAround(recorder);
    recorder->PutOnFocusPath();
  }
  KeyRecorder* recorder = nullptr;
  ZQF_Window* window = nullptr;
};

TEST_F(WindowKeyTest, KeysAndCharactersBecomeFrameworkCodes) {
  const KeyCase cases[] = {
      {"typing a", false, false, false,
       {{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}}, {"D97", "U65"}},
      {"Ctrl+C", false, true, false,
       {{WM_KEYDOWN, 'C'}, {WM_CHAR, 3}, {WM_KEYUP, 'C'}}, {"D67c", "U67c"}},
      {"Shift+Tab", true, false, false, {{WM_KEYDOWN, VK_TAB}}, {"D9s"}},
      {"Enter", false, false, false, {{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, 13}}, {"D13"}},
      {"Ctrl+Space", false, true, false,
       {{WM_KEYDOWN, VK_SPACE}, {WM_CHAR, ' '}, {WM_KEYUP, VK_SPACE}}, {"U32c"}},
      {"F11, F12, Escape", false, false, false,
       {{WM_KEYDOWN, VK_F11}, {WM_KEYDOWN, VK_F12}, {WM_KEYDOWN, VK_ESCAPE}, {WM_CHAR, 27}},
       {"D28", "D29", "D27"}},
      {"Space", false, false, false,
       {{WM_KEYDOWN, VK_SPACE}, {WM_CHAR, ' '}, {WM_KEYUP, VK_SPACE}}, {"D32", "U32"}},
      // AltGr is Control and Alt: its characters are delivered.
      {"AltGr+Q", false, true, true, {{WM_CHAR, '@'}, {WM_CHAR, 0x80}}, {"D64ca", "D128ca"}},
      {"Alt+F", false, false, true, {{WM_SYSKEYDOWN, 'F'}, {WM_SYSCHAR, 'f'}}, {"D102a"}},
      {"Alt+F4", false, false, true, {{WM_SYSKEYDOWN, VK_F4}}, {"D20a"}},
      {"keys without a row", false, false, false,
       {{WM_KEYDOWN, VK_CAPITAL}, {WM_KEYUP, VK_NUMLOCK}, {WM_KEYDOWN, VK_OEM_1}, {WM_CHAR, 300}},
       {}},
      {"keypad with Num Lock", false, false, false,
       {{WM_KEYDOWN, VK_NUMPAD5}, {WM_CHAR, '5'}}, {"D53"}},
  };
  const HWND handle = window->GetWindowHandle();
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.Name);
    recorder->Keys.clear();
    SetModifierKeys(c.Shift, c.Control, c.Alt);
    for (const Stroke& stroke : c.Strokes) Send(handle, stroke.Message, stroke.Key);
    EXPECT_EQ(recorder->Keys, c.Delivered);
  }
}

TEST_F(WindowKeyTest, UnhandledKeysGoOnToWindows) {
  const HWND handle = window->GetWindowHandle();
  recorder->HandleOn("Key", 1);
  EXPECT_EQ(Send(handle, WM_KEYDOWN, VK_LEFT), 0);
  recorder->HandleOn("", 0);
  // Alt+F4 that no glyph takes closes the window through WM_CLOSE, whose
  // close command destroys it.
  SetModifierKeys(false, false, true);
  Send(handle, WM_SYSKEYDOWN, VK_F4, 1 << 29);
  PumpMessages();
  EXPECT_FALSE(::IsWindow(handle));
}

// The wheel's glyph messages as "<direction>x<notches>" and the position.
std::shared_ptr<std::vector<std::string>> RecordWheel(RecordingGlyph* Glyph) {
  auto wheel = std::make_shared<std::vector<std::string>>();
  Glyph->OnOffer = [wheel](ZQF_Message& Message, bool SecondTry) {
    const auto* m = dynamic_cast<ZQF_WheelMouseMessage*>(&Message);
    if (!m || SecondTry) return;
    wheel->push_back(std::to_string(m->GetDirection()) + "x" + std::to_string(m->GetNumNotches()) +
                     "@" + std::to_string(m->GetX()) + "," + std::to_string(m->GetY()));
  };
  return wheel;
}

WPARAM WheelDelta(short Delta) { return MAKEWPARAM(0, static_cast<WORD>(Delta)); }

TEST_F(WindowKeyTest, WheelAccumulatesWholeNotchesForAllWindows) {
  auto* other = new RecordingGlyph("other", nullptr);
  const HWND second =
      OpenAround(other, ZQ_Rectangle<long>(400, 100, 100, 100))->GetWindowHandle();
  const auto here = RecordWheel(recorder);
  const auto there = RecordWheel(other);
  const HWND first = window->GetWindowHandle();
  const LPARAM screen = Point(110, 120);  // client (10, 20) of the first window
  Send(first, WM_MOUSEWHEEL, WheelDelta(40), screen);
  Send(second, WM_MOUSEWHEEL, WheelDelta(40), Point(410, 110));
  EXPECT_TRUE(here->empty());
  EXPECT_TRUE(there->empty());
  Send(first, WM_MOUSEWHEEL, WheelDelta(40), screen);  // the third +40 makes a notch
  Send(first, WM_MOUSEWHEEL, WheelDelta(-250), screen);  // -10 dropped
  Send(first, WM_MOUSEWHEEL, WheelDelta(-110), screen);  // under a notch again
  EXPECT_EQ(*here, (std::vector<std::string>{"0x1@10,20", "1x2@10,20"}));
  EXPECT_TRUE(there->empty());
  Send(first, WM_MOUSEWHEEL, WheelDelta(-10), screen);
  EXPECT_EQ(here->back(), "1x1@10,20");
}

TEST(MouseWheelMessage, VersionChoosesTheMessage) {
  const struct {
    const char* Name;
    BOOL Answer;
    DWORD Platform, Major;
    bool Registered;
  } cases[] = {
      {"unreadable version", FALSE, 0, 0, false},
      {"NT 4", TRUE, VER_PLATFORM_WIN32_NT, 4, false},
      {"NT 3.51", TRUE, VER_PLATFORM_WIN32_NT, 3, true},
      {"Windows 95", TRUE, VER_PLATFORM_WIN32_WINDOWS, 4, true},
      {"a later system", TRUE, VER_PLATFORM_WIN32_WINDOWS, 5, false},
  };
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::RegisterWindowMessageA> registered(
      [](LPCSTR Name) { return std::string(Name) == "MSWHEEL_ROLLMSG" ? 0xC123u : 0u; });
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    DWORD size = 0;
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINBASE::Calls::GetVersionExA> version(
        [&c, &size](LPOSVERSIONINFOA Info) {
          size = Info->dwOSVersionInfoSize;
          Info->dwPlatformId = c.Platform;
          Info->dwMajorVersion = c.Major;
          if (!c.Answer) ::SetLastError(ERROR_INVALID_PARAMETER);
          return c.Answer;
        });
    EXPECT_EQ(ZQF_MouseWheel_ComputeWheelMessageID(), c.Registered ? 0xC123u : 522u);
    EXPECT_EQ(size, 148u);
  }
  EXPECT_EQ(ZQF_MouseWheel_GetWheelMessageID(), 522u);  // Wine reports 6.1
}

}  // namespace
