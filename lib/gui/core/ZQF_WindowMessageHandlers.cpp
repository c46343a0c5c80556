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

// The non-character keys and their framework codes.
struct KeyRow {
  UINT VirtualKey;
  ZQF_KeyCode Code;
};

const KeyRow s_keyRows[] = {
    {VK_PRIOR, ZQF_Key_PageUp},    {VK_NEXT, ZQF_Key_PageDown}, {VK_HOME, ZQF_Key_Home},
    {VK_END, ZQF_Key_End},         {VK_INSERT, ZQF_Key_Insert}, {VK_DELETE, ZQF_Key_Delete},
    {VK_SHIFT, ZQF_Key_Shift},     {VK_BACK, ZQF_Key_Backspace}, {VK_TAB, ZQF_Key_Tab},
    {VK_CONTROL, ZQF_Key_Control}, {VK_LEFT, ZQF_Key_Left},     {VK_MENU, ZQF_Key_Alt},
    {VK_RETURN, ZQF_Key_Enter},    {VK_RIGHT, ZQF_Key_Right},   {VK_UP, ZQF_Key_Up},
    {VK_DOWN, ZQF_Key_Down},       {VK_F1, ZQF_Key_F1},         {VK_F2, ZQF_Key_F2},
    {VK_F3, ZQF_Key_F3},           {VK_F4, ZQF_Key_F4},         {VK_F5, ZQF_Key_F5},
    {VK_F6, ZQF_Key_F6},           {VK_F7, ZQF_Key_F7},         {VK_F8, ZQF_Key_F8},
    {VK_F9, ZQF_Key_F9},           {VK_F10, ZQF_Key_F10},       {VK_ESCAPE, ZQF_Key_Escape},
    {VK_F11, ZQF_Key_F11},         {VK_F12, ZQF_Key_F12},
};

const ZQF_KeyCode NoCode = 0;

ZQF_KeyCode TableCode(UINT VirtualKey) {
  for (const KeyRow& row : s_keyRows) {
    if (row.VirtualKey == VirtualKey) return row.Code;
  }
  return NoCode;
}

bool IsLetterOrDigit(UINT VirtualKey) {
  return (VirtualKey >= 'A' && VirtualKey <= 'Z') || (VirtualKey >= '0' && VirtualKey <= '9');
}

bool IsKeyDown(int VirtualKey) { return ZQLOW_WINUSER::GetKeyState(VirtualKey) < 0; }

bool SetCode(ZQF_KeyMessage& Message, ZQF_KeyCode Code) {
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
  return SetCode(Message, static_cast<ZQF_KeyCode>(CharacterCode));
}

bool ZQF_Window::InitializeOnKeyDownMessage(UINT VirtualKey, ZQF_KeyMessage& Message) {
  const ZQF_ModifierKeys keys = ReadModifierKeys();
  Message.SetModifierKeys(keys);
  if (keys.Control && IsLetterOrDigit(VirtualKey)) {
    return SetCode(Message, static_cast<ZQF_KeyCode>(VirtualKey));
  }
  return SetCode(Message, TableCode(VirtualKey));
}

bool ZQF_Window::InitializeOnKeyUpMessage(UINT VirtualKey, ZQF_KeyMessage& Message) {
  Message.SetModifierKeys(ReadModifierKeys());
  if (IsLetterOrDigit(VirtualKey)) return SetCode(Message, static_cast<ZQF_KeyCode>(VirtualKey));
  if (VirtualKey == VK_SPACE) return SetCode(Message, ZQF_Key_Space);
  return SetCode(Message, TableCode(VirtualKey));
}

bool ZQF_Window::OnActivate(bool) { return false; }
bool ZQF_Window::OnActivateApp(bool) { return false; }

bool ZQF_Window::OnCancelMode() {
  AbortMouseCapture();
  return false;
}

bool ZQF_Window::OnChar(UINT CharacterCode, LPARAM) {
  ZQF_DownKeyMessage message(NoCode, false, false, false);
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
  ZQF_DownKeyMessage message(NoCode, false, false, false);
  return InitializeOnKeyDownMessage(VirtualKey, message) && DispatchTo(TopLevelGlyph, message);
}

bool ZQF_Window::OnKeyUp(UINT VirtualKey, LPARAM) {
  ZQF_UpKeyMessage message(NoCode, false, false, false);
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
