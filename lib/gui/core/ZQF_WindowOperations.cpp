// Placeholder bodies of the window operations that need a Win32 window:
// creation, class registration, moving and showing, disabling, the cursor
// query and the window drags come with the window code. Until then they do
// nothing. The customisation defaults that need nothing of Windows are
// final.
#include "ZQF_Window.h"
#include "ZQLOW_WIN_Core.h"

void ZQF_Window::Cust_RegisterWindowClass() {}
ZQ_String ZQF_Window::Cust_GetWindowClassName() { return ZQ_String("ZQFWIN"); }
DWORD ZQF_Window::Cust_GetWindowStyle() { return WS_POPUP; }
DWORD ZQF_Window::Cust_GetWindowExtendedStyle() { return 0; }
HWND ZQF_Window::Cust_GetParentWindowHandle() { return ZQLOW_WIN_GetProgramMainWindowHandle(); }
HMENU ZQF_Window::Cust_GetMenuHandle() { return nullptr; }
long ZQF_Window::Cust_GetDefaultWidth() { return 0; }
long ZQF_Window::Cust_GetDefaultHeight() { return 0; }
long ZQF_Window::Cust_GetDefaultX() { return 0; }
long ZQF_Window::Cust_GetDefaultY() { return 0; }
bool ZQF_Window::Cust_IsProgramMainWindow() { return false; }
bool ZQF_Window::Cust_UseDoubleBuffering() { return true; }

void ZQF_Window::Construct(const ZQ_Rectangle<long>&) {}
void ZQF_Window::Destroy() {}
void ZQF_Window::SetTitleText(const ZQ_String&) {}
void ZQF_Window::Show(ZQF_ShowState) {}
void ZQF_Window::Update() {}
ZQ_Rectangle<long> ZQF_Window::GetWindowRectangle() { return ZQ_Rectangle<long>(); }
void ZQF_Window::SetWindowRectangle(const ZQ_Rectangle<long>&) {}
void ZQF_Window::Move(const ZQ_Rectangle<long>&, bool) {}
void ZQF_Window::BringWindowToTop() {}
void ZQF_Window::MakeTopTopmost() {}
void ZQF_Window::SetFocus() {}
bool ZQF_Window::HasMenu() { return false; }
ZQ_Point<long> ZQF_Window::GetRequiredWindowSize(const ZQ_Point<long>& DesiredClientSize) {
  return DesiredClientSize;
}
void ZQF_Window::DisablePush() {}
void ZQF_Window::DisablePop() {}
bool ZQF_Window::SetCursorViaSetMouseCursorMessage() { return false; }
ZQ_Rectangle<long> ZQF_Window::GetAllowableDragBoundingRect() { return ZQ_Rectangle<long>(); }
void ZQF_Window::BeginWindowPositionDrag() {}
void ZQF_Window::BeginWindowSizeDrag() {}
void ZQF_Window::WindowDragCallback(const ZQ_Rectangle<long>&, bool) {}
void ZQF_Window::FillWithDefaultValues(WNDCLASSA&) {}

// No window class names this procedure yet.
LRESULT CALLBACK ZQF_Window::WndProc(HWND, UINT, WPARAM, LPARAM) { return 0; }

LRESULT ZQF_Window::WndProc_CurrentlyProcessingFatalError(HWND, UINT, WPARAM, LPARAM) {
  return 0;
}
