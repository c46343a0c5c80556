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

// What KeyRecorder writes for a key message: Kind 'D' or 'U', the code, then
// the modifiers ("s", "c", "a").
std::string Recorded(char Kind, ZQF_KeyCode Code, const char* Modifiers = "") {
  return Kind + std::to_string(Code) + Modifiers;
}

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
      {"Shift+Tab", true, false, false, {{WM_KEYDOWN, VK_TAB}}, {Recorded('D', ZQF_Key_Tab, "s")}},
      {"Enter", false, false, false,
       {{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, 13}}, {Recorded('D', ZQF_Key_Enter)}},
      {"Ctrl+Space", false, true, false,
       {{WM_KEYDOWN, VK_SPACE}, {WM_CHAR, ' '}, {WM_KEYUP, VK_SPACE}},
       {Recorded('U', ZQF_Key_Space, "c")}},
      {"F11, F12, Escape", false, false, false,
       {{WM_KEYDOWN, VK_F11}, {WM_KEYDOWN, VK_F12}, {WM_KEYDOWN, VK_ESCAPE}, {WM_CHAR, 27}},
       {Recorded('D', ZQF_Key_F11), Recorded('D', ZQF_Key_F12), Recorded('D', ZQF_Key_Escape)}},
      {"Space", false, false, false,
       {{WM_KEYDOWN, VK_SPACE}, {WM_CHAR, ' '}, {WM_KEYUP, VK_SPACE}},
       {"D32", Recorded('U', ZQF_Key_Space)}},
      // AltGr is Control and Alt: its characters are delivered.
      {"AltGr+Q", false, true, true, {{WM_CHAR, '@'}, {WM_CHAR, 0x80}}, {"D64ca", "D128ca"}},
      {"Alt+F", false, false, true, {{WM_SYSKEYDOWN, 'F'}, {WM_SYSCHAR, 'f'}}, {"D102a"}},
      {"Alt+F4", false, false, true, {{WM_SYSKEYDOWN, VK_F4}}, {Recorded('D', ZQF_Key_F4, "a")}},
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

// Each non-character key down and up, unmodified; Space only on its way up,
// since its key-down comes as the character.
TEST_F(WindowKeyTest, EachNamedKeyTranslatesToItsCode) {
  const struct {
    WPARAM VirtualKey;
    ZQF_KeyCode Code;
  } rows[] = {
      {VK_PRIOR, ZQF_Key_PageUp},     {VK_NEXT, ZQF_Key_PageDown},    {VK_HOME, ZQF_Key_Home},
      {VK_END, ZQF_Key_End},          {VK_INSERT, ZQF_Key_Insert},    {VK_DELETE, ZQF_Key_Delete},
      {VK_SHIFT, ZQF_Key_Shift},      {VK_BACK, ZQF_Key_Backspace},   {VK_TAB, ZQF_Key_Tab},
      {VK_CONTROL, ZQF_Key_Control},  {VK_LEFT, ZQF_Key_Left},        {VK_MENU, ZQF_Key_Alt},
      {VK_RETURN, ZQF_Key_Enter},     {VK_RIGHT, ZQF_Key_Right},      {VK_UP, ZQF_Key_Up},
      {VK_DOWN, ZQF_Key_Down},        {VK_F1, ZQF_Key_F1},            {VK_F2, ZQF_Key_F2},
      {VK_F3, ZQF_Key_F3},            {VK_F4, ZQF_Key_F4},            {VK_F5, ZQF_Key_F5},
      {VK_F6, ZQF_Key_F6},            {VK_F7, ZQF_Key_F7},            {VK_F8, ZQF_Key_F8},
      {VK_F9, ZQF_Key_F9},            {VK_F10, ZQF_Key_F10},          {VK_ESCAPE, ZQF_Key_Escape},
      {VK_F11, ZQF_Key_F11},          {VK_F12, ZQF_Key_F12},          {VK_SPACE, ZQF_Key_Space},
  };
  const HWND handle = window->GetWindowHandle();
  SetModifierKeys(false, false, false);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.VirtualKey);
    recorder->Keys.clear();
    Send(handle, WM_KEYDOWN, row.VirtualKey);
    Send(handle, WM_KEYUP, row.VirtualKey);
    std::vector<std::string> expected{Recorded('D', row.Code), Recorded('U', row.Code)};
    if (row.Code == ZQF_Key_Space) expected.erase(expected.begin());
    EXPECT_EQ(recorder->Keys, expected);
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
