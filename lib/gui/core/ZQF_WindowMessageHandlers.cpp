// The default message handlers: Windows messages become glyph messages,
// keys and characters become framework key codes with the modifier keys.
// A handler that dispatches answers the message's Handled flag, so what no
// glyph takes keeps its Windows behaviour (Alt+F4, F10, menu keys).
#include "ZQF_Caret.h"
#include "ZQF_Menu.h"
#include "ZQF_Message.h"
#include "ZQF_Metrics.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_Tooltips.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"

namespace {

// The non-character keys and their framework codes; Escape keeps its ASCII
// value, so F11 and F12 follow it.
struct KeyRow {
  UINT VirtualKey;
  unsigned char Code;
};

const KeyRow s_keyRows[] = {
    {VK_PRIOR, 1},    {VK_NEXT, 2},   {VK_HOME, 3},    {VK_END, 4},     {VK_INSERT, 5},
    {VK_DELETE, 6},   {VK_SHIFT, 7},  {VK_BACK, 8},    {VK_TAB, 9},     {VK_CONTROL, 10},
    {VK_LEFT, 11},    {VK_MENU, 12},  {VK_RETURN, 13}, {VK_RIGHT, 14},  {VK_UP, 15},
    {VK_DOWN, 16},    {VK_F1, 17},    {VK_F2, 18},     {VK_F3, 19},     {VK_F4, 20},
    {VK_F5, 21},      {VK_F6, 22},    {VK_F7, 23},     {VK_F8, 24},     {VK_F9, 25},
    {VK_F10, 26},     {VK_ESCAPE, 27}, {VK_F11, 28},   {VK_F12, 29},
};

const unsigned char NoCode = 0;

unsigned char TableCode(UINT VirtualKey) {
  for (const KeyRow& row : s_keyRows) {
    if (row.VirtualKey == VirtualKey) return row.Code;
  }
  return NoCode;
}

bool IsLetterOrDigit(UINT VirtualKey) {
  return (VirtualKey >= 'A' && VirtualKey <= 'Z') || (VirtualKey >= '0' && VirtualKey <= '9');
}

bool IsKeyDown(int VirtualKey) { return ZQLOW_WINUSER::GetKeyState(VirtualKey) < 0; }

bool SetCode(ZQF_KeyMessage& Message, unsigned char Code) {
  if (Code == NoCode) return false;
  Message.SetKeyCode(Code);
  return true;
}

bool DispatchTo(ZQF_Glyph* Target, ZQF_Message& Message) {
  Target->Dispatch(Message);
  return Message.IsHandled();
}

// Buttons and moves carry Shift and Control in their key flags; Alt is read.
template <class MouseMessage>
bool DispatchMouse(ZQF_Glyph* Target, long X, long Y, UINT KeyFlags) {
  MouseMessage message(X, Y, (KeyFlags & MK_SHIFT) != 0, (KeyFlags & MK_CONTROL) != 0,
                       IsKeyDown(VK_MENU));
  return DispatchTo(Target, message);
}

// One accumulator for the whole program: the wheel message goes to the
// focused window, whichever that is.
long s_wheelAccumulator = 0;

const long WheelNotch = WHEEL_DELTA;

}  // namespace

ZQF_ModifierKeys ZQF_Window::ReadModifierKeys() {
  ZQF_ModifierKeys keys;
  keys.Shift = IsKeyDown(VK_SHIFT);
  keys.Control = IsKeyDown(VK_CONTROL);
  keys.Alt = IsKeyDown(VK_MENU);
  return keys;
}

bool ZQF_Window::InitializeOnCharMessage(UINT CharacterCode, ZQF_KeyMessage& Message) {
  const ZQF_ModifierKeys keys = ReadModifierKeys();
  Message.SetModifierKeys(keys);
  // Control alone makes control characters, which their key-downs carry;
  // Control with Alt is AltGr, whose characters are delivered.
  if (keys.Control && !keys.Alt) return false;
  if (CharacterCode < 32 || CharacterCode > 255) return false;
  return SetCode(Message, static_cast<unsigned char>(CharacterCode));
}

bool ZQF_Window::InitializeOnKeyDownMessage(UINT VirtualKey, ZQF_KeyMessage& Message) {
  const ZQF_ModifierKeys keys = ReadModifierKeys();
  Message.SetModifierKeys(keys);
  if (keys.Control && IsLetterOrDigit(VirtualKey)) {
    return SetCode(Message, static_cast<unsigned char>(VirtualKey));
  }
  return SetCode(Message, TableCode(VirtualKey));
}

bool ZQF_Window::InitializeOnKeyUpMessage(UINT VirtualKey, ZQF_KeyMessage& Message) {
  Message.SetModifierKeys(ReadModifierKeys());
  if (IsLetterOrDigit(VirtualKey) || VirtualKey == VK_SPACE) {
    return SetCode(Message, static_cast<unsigned char>(VirtualKey));
  }
  return SetCode(Message, TableCode(VirtualKey));
}

bool ZQF_Window::OnActivate(bool) { return false; }
bool ZQF_Window::OnActivateApp(bool) { return false; }

bool ZQF_Window::OnCancelMode() {
  AbortMouseCapture();
  return false;
}

bool ZQF_Window::OnChar(UINT CharacterCode, LPARAM) {
  ZQF_DownKeyMessage message(0, false, false, false);
  return InitializeOnCharMessage(CharacterCode, message) && DispatchTo(TopLevelGlyph, message);
}

bool ZQF_Window::OnClose() {
  ZQF_CloseWindowCommandMessage message;
  TopLevelGlyph->Dispatch(message);
  return true;
}

bool ZQF_Window::OnCommand(UINT NotificationCode, UINT Identifier, HWND) {
  return NotificationCode == 0 && Identifier != 0 && ZQF_HandleWMCommandMessage(Identifier);
}

bool ZQF_Window::OnCreate(CREATESTRUCTA*) {
  TopLevelGlyph->SetContainingWindow(this);
  return true;
}

bool ZQF_Window::OnDestroy() {
  ZQF_Glyph* capturing = GetCapturingGlyph();
  if (capturing && capturing->GetParentWindow() == this) ReleaseMouse();
  delete this;
  return false;
}

bool ZQF_Window::OnGetMinMaxInfo(MINMAXINFO*) { return false; }

bool ZQF_Window::OnInitMenu(HMENU Menu) {
  ZQF_HandleWMInitMenuMessage(Menu);
  return false;
}

bool ZQF_Window::OnInitMenuPopup(HMENU Menu, bool IsSystemMenu) {
  // Not every system flags the system menu that a right click on the
  // caption opens: its handle tells it as well.
  if (IsSystemMenu || Menu == ZQLOW_WINUSER::GetSystemMenu(WindowHandle, FALSE)) return false;
  ZQF_HandleWMInitMenuPopupMessage(Menu);
  return false;
}

bool ZQF_Window::OnKeyDown(UINT VirtualKey, LPARAM) {
  ZQF_DownKeyMessage message(0, false, false, false);
  return InitializeOnKeyDownMessage(VirtualKey, message) && DispatchTo(TopLevelGlyph, message);
}

bool ZQF_Window::OnKeyUp(UINT VirtualKey, LPARAM) {
  ZQF_UpKeyMessage message(0, false, false, false);
  return InitializeOnKeyUpMessage(VirtualKey, message) && DispatchTo(TopLevelGlyph, message);
}

bool ZQF_Window::OnKillFocus() {
  ZQF_Caret::TurnOff();
  TopLevelGlyph->ProcessWindowLoseFocus();
  return false;
}

bool ZQF_Window::OnLButtonDblClk(long X, long Y, UINT KeyFlags) {
  return DispatchMouse<ZQF_LeftDoubleClickMouseMessage>(GetTargetGlyphForMouseEvent(), X, Y,
                                                        KeyFlags);
}

bool ZQF_Window::OnLButtonDown(long X, long Y, UINT KeyFlags) {
  return DispatchMouse<ZQF_LeftDownMouseMessage>(GetTargetGlyphForMouseEvent(), X, Y, KeyFlags);
}

bool ZQF_Window::OnLButtonUp(long X, long Y, UINT KeyFlags) {
  return DispatchMouse<ZQF_LeftUpMouseMessage>(GetTargetGlyphForMouseEvent(), X, Y, KeyFlags);
}

bool ZQF_Window::OnMButtonDblClk(long X, long Y, UINT KeyFlags) {
  return DispatchMouse<ZQF_MiddleDoubleClickMouseMessage>(GetTargetGlyphForMouseEvent(), X, Y,
                                                          KeyFlags);
}

bool ZQF_Window::OnMButtonDown(long X, long Y, UINT KeyFlags) {
  return DispatchMouse<ZQF_MiddleDownMouseMessage>(GetTargetGlyphForMouseEvent(), X, Y,
                                                   KeyFlags);
}

bool ZQF_Window::OnMButtonUp(long X, long Y, UINT KeyFlags) {
  return DispatchMouse<ZQF_MiddleUpMouseMessage>(GetTargetGlyphForMouseEvent(), X, Y, KeyFlags);
}

bool ZQF_Window::OnMenuSelect(UINT Item, HMENU Menu, UINT Flags) {
  ZQF_HandleWMMenuSelectMessage(Item, Menu, Flags);
  return false;
}

bool ZQF_Window::OnMouseMove(long X, long Y, UINT KeyFlags) {
  if (!GetCapturingGlyph()) ZQF_Tooltips_HandleMouseMove(X, Y, TopLevelGlyph);
  return DispatchMouse<ZQF_MoveMouseMessage>(GetTargetGlyphForMouseEvent(), X, Y, KeyFlags);
}

bool ZQF_Window::OnMouseWheel(long X, long Y, short Delta) {
  s_wheelAccumulator += Delta;
  const long magnitude = s_wheelAccumulator < 0 ? -s_wheelAccumulator : s_wheelAccumulator;
  if (magnitude < WheelNotch) return true;  // waits for a whole notch
  POINT point{X, Y};
  ZQLOW_WINUSER::ScreenToClient(WindowHandle, &point);
  const ZQF_ModifierKeys keys = ReadModifierKeys();
  const long direction = s_wheelAccumulator <= 0 ? 1 : 0;
  const long notches = magnitude / WheelNotch;
  ZQ_ASSERT_TEXT(notches > 0, "MM.NumLines > 0");
  s_wheelAccumulator = 0;  // the rest below one notch is dropped
  ZQF_WheelMouseMessage message(point.x, point.y, keys.Shift, keys.Control, keys.Alt, direction,
                                notches);
  return DispatchTo(GetTargetGlyphForMouseEvent(), message);
}

bool ZQF_Window::OnRButtonDblClk(long X, long Y, UINT KeyFlags) {
  return DispatchMouse<ZQF_RightDoubleClickMouseMessage>(GetTargetGlyphForMouseEvent(), X, Y,
                                                         KeyFlags);
}

bool ZQF_Window::OnRButtonDown(long X, long Y, UINT KeyFlags) {
  return DispatchMouse<ZQF_RightDownMouseMessage>(GetTargetGlyphForMouseEvent(), X, Y, KeyFlags);
}

bool ZQF_Window::OnRButtonUp(long X, long Y, UINT KeyFlags) {
  return DispatchMouse<ZQF_RightUpMouseMessage>(GetTargetGlyphForMouseEvent(), X, Y, KeyFlags);
}

bool ZQF_Window::OnSetCursor(UINT HitTest) {
  // Over the frame and the caption Windows chooses the cursor.
  return HitTest == HTCLIENT && SetCursorViaSetMouseCursorMessage();
}

bool ZQF_Window::OnSetFocus() {
  TopLevelGlyph->ProcessWindowGainFocus();
  return false;
}

bool ZQF_Window::OnSettingChange() {
  ZQF_NoteSystemMetricsChange();
  return false;
}

bool ZQF_Window::OnSize(UINT Width, UINT Height, UINT State) {
  if (State != SIZE_MINIMIZED) {
    TopLevelGlyph->ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, Width, Height));
  }
  return false;
}

bool ZQF_Window::OnSysChar(UINT CharacterCode, LPARAM KeyData) {
  return OnChar(CharacterCode, KeyData);
}

bool ZQF_Window::OnSysColorChange() {
  ZQF_NoteSystemMetricsChange();
  return false;
}

bool ZQF_Window::OnSysKeyDown(UINT VirtualKey, LPARAM KeyData) {
  return OnKeyDown(VirtualKey, KeyData);
}

bool ZQF_Window::OnSysKeyUp(UINT VirtualKey, LPARAM KeyData) {
  return OnKeyUp(VirtualKey, KeyData);
}
