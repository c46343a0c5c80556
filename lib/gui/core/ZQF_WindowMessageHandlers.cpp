// Placeholder handlers: the window code gives each its body. Until then
// every Windows message is left to DefWindowProcA.
#include "ZQF_Window.h"

bool ZQF_Window::OnActivate(bool) { return false; }
bool ZQF_Window::OnActivateApp(bool) { return false; }
bool ZQF_Window::OnCancelMode() { return false; }
bool ZQF_Window::OnChar(UINT, LPARAM) { return false; }
bool ZQF_Window::OnClose() { return false; }
bool ZQF_Window::OnCommand(UINT, UINT, HWND) { return false; }
bool ZQF_Window::OnCreate(CREATESTRUCTA*) { return false; }
bool ZQF_Window::OnDestroy() { return false; }
bool ZQF_Window::OnGetMinMaxInfo(MINMAXINFO*) { return false; }
bool ZQF_Window::OnInitMenu(HMENU) { return false; }
bool ZQF_Window::OnInitMenuPopup(HMENU, bool) { return false; }
bool ZQF_Window::OnKeyDown(UINT, LPARAM) { return false; }
bool ZQF_Window::OnKeyUp(UINT, LPARAM) { return false; }
bool ZQF_Window::OnKillFocus() { return false; }
bool ZQF_Window::OnLButtonDblClk(long, long, UINT) { return false; }
bool ZQF_Window::OnLButtonDown(long, long, UINT) { return false; }
bool ZQF_Window::OnLButtonUp(long, long, UINT) { return false; }
bool ZQF_Window::OnMButtonDblClk(long, long, UINT) { return false; }
bool ZQF_Window::OnMButtonDown(long, long, UINT) { return false; }
bool ZQF_Window::OnMButtonUp(long, long, UINT) { return false; }
bool ZQF_Window::OnMenuSelect(UINT, HMENU, UINT) { return false; }
bool ZQF_Window::OnMouseMove(long, long, UINT) { return false; }
bool ZQF_Window::OnMouseWheel(long, long, short) { return false; }
bool ZQF_Window::OnRButtonDblClk(long, long, UINT) { return false; }
bool ZQF_Window::OnRButtonDown(long, long, UINT) { return false; }
bool ZQF_Window::OnRButtonUp(long, long, UINT) { return false; }
bool ZQF_Window::OnSetCursor(UINT) { return false; }
bool ZQF_Window::OnSetFocus() { return false; }
bool ZQF_Window::OnSettingChange() { return false; }
bool ZQF_Window::OnSize(UINT, UINT, UINT) { return false; }
bool ZQF_Window::OnSysChar(UINT, LPARAM) { return false; }
bool ZQF_Window::OnSysColorChange() { return false; }
bool ZQF_Window::OnSysKeyDown(UINT, LPARAM) { return false; }
bool ZQF_Window::OnSysKeyUp(UINT, LPARAM) { return false; }
