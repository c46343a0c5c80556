// The window object's operations on its Win32 window: class registration,
// creation and destruction, showing, moving, focus, disabling, the cursor
// query and the window drags.
#include "ZQF_Message.h"
#include "ZQF_Metrics.h"
#include "ZQF_RectangleLocationDragOperation.h"
#include "ZQF_RectangleSizeDragOperation.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQR_Cursor.h"
#include "ZQ_Assertion.h"

namespace {

bool s_classRegistered = false;

// The ShowWindow code of each show state; other values pass unchanged.
int ShowWindowCode(ZQF_ShowState State) {
  switch (State) {
    case ZQF_ShowState_Normal: return SW_SHOWNORMAL;
    case ZQF_ShowState_Minimized: return SW_MINIMIZE;
    case ZQF_ShowState_Maximized: return SW_SHOWMAXIMIZED;
    case ZQF_ShowState_Restore: return SW_RESTORE;
    case ZQF_ShowState_Hidden: return SW_HIDE;
    case ZQF_ShowState_Show: return SW_SHOW;
  }
  return State;
}

}  // namespace

void ZQF_Window::FillWithDefaultValues(WNDCLASSA& WindowClass) {
  WindowClass = WNDCLASSA();
  WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  WindowClass.lpfnWndProc = &ZQF_Window::WndProc;
  WindowClass.hInstance = ZQLOW_WIN_GetProgramInstanceHandle();
  // No cursor and no brush: WM_SETCURSOR chooses the cursor and the glyphs
  // draw every pixel.
}

void ZQF_Window::RegisterWindowClassOnce(bool& Registered, const char* ClassName,
                                         UINT ExtraStyle, HICON Icon) {
  if (Registered) return;
  Registered = true;  // a failed registration is not tried again
  WNDCLASSA windowClass;
  FillWithDefaultValues(windowClass);
  windowClass.style |= ExtraStyle;
  windowClass.hIcon = Icon;
  windowClass.lpszClassName = ClassName;
  ZQLOW_WINUSER::RegisterClassA(&windowClass);
}

void ZQF_Window::Cust_RegisterWindowClass() {
  RegisterWindowClassOnce(s_classRegistered, "ZQFWIN", 0, nullptr);
}

ZQ_String ZQF_Window::Cust_GetWindowClassName() { return ZQ_String("ZQFWIN"); }
DWORD ZQF_Window::Cust_GetWindowStyle() { return WS_POPUP; }
DWORD ZQF_Window::Cust_GetWindowExtendedStyle() { return 0; }
HWND ZQF_Window::Cust_GetParentWindowHandle() { return ZQLOW_WIN_GetProgramMainWindowHandle(); }
HMENU ZQF_Window::Cust_GetMenuHandle() { return nullptr; }
long ZQF_Window::Cust_GetDefaultWidth() { return ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea).Width / 2; }
long ZQF_Window::Cust_GetDefaultHeight() { return ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea).Height / 2; }
long ZQF_Window::Cust_GetDefaultX() { return 0; }
long ZQF_Window::Cust_GetDefaultY() { return 0; }
bool ZQF_Window::Cust_IsProgramMainWindow() { return false; }
bool ZQF_Window::Cust_UseDoubleBuffering() { return true; }

void ZQF_Window::Construct(const ZQ_Rectangle<long>& Rectangle) {
  ZQ_Rectangle<long> place = Rectangle;
  if (place.Width == 0) {
    place = ZQ_Rectangle<long>(Cust_GetDefaultX(), Cust_GetDefaultY(), Cust_GetDefaultWidth(),
                               Cust_GetDefaultHeight());
  }
  Cust_RegisterWindowClass();
  const ZQ_String className = Cust_GetWindowClassName();
  // WM_CREATE binds the glyph to this object during the call.
  WindowHandle = ZQLOW_WINUSER::CreateWindowExA(
      Cust_GetWindowExtendedStyle(), className.GetText(), "", Cust_GetWindowStyle(), place.X,
      place.Y, place.Width, place.Height, Cust_GetParentWindowHandle(), Cust_GetMenuHandle(),
      ZQLOW_WIN_GetProgramInstanceHandle(), this);
  if (Cust_IsProgramMainWindow()) ZQLOW_WIN_SetProgramMainWindowHandle(WindowHandle);
  RECT client;
  ZQLOW_WINUSER::GetClientRect(WindowHandle, &client);
  TopLevelGlyph->ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, client.right, client.bottom));
}

void ZQF_Window::Destroy() { ZQLOW_WINUSER::DestroyWindow(WindowHandle); }

void ZQF_Window::SetTitleText(const ZQ_String& NewTitleText) {
  ZQLOW_WINUSER::SetWindowTextA(WindowHandle, NewTitleText.GetText());
}

void ZQF_Window::Show(ZQF_ShowState State) {
  ZQLOW_WINUSER::ShowWindow(WindowHandle, ShowWindowCode(State));
}

void ZQF_Window::Update() { ZQLOW_WINUSER::UpdateWindow(WindowHandle); }

ZQ_Rectangle<long> ZQF_Window::GetWindowRectangle() {
  RECT r;
  ZQLOW_WINUSER::GetWindowRect(WindowHandle, &r);
  return ZQ_Rectangle<long>(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void ZQF_Window::SetWindowRectangle(const ZQ_Rectangle<long>& Rectangle) { Move(Rectangle, true); }

void ZQF_Window::Move(const ZQ_Rectangle<long>& Rectangle, bool Repaint) {
  ZQLOW_WINUSER::MoveWindow(WindowHandle, Rectangle.X, Rectangle.Y, Rectangle.Width,
                            Rectangle.Height, Repaint);
}

void ZQF_Window::BringWindowToTop() { ZQLOW_WINUSER::BringWindowToTop(WindowHandle); }

void ZQF_Window::MakeTopTopmost() {
  ZQLOW_WINUSER::SetWindowPos(WindowHandle, HWND_TOPMOST, 0, 0, 0, 0,
                              SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void ZQF_Window::SetFocus() { ZQLOW_WINUSER::SetFocus(WindowHandle); }

bool ZQF_Window::HasMenu() {
  if (Cust_GetWindowStyle() & WS_CHILD) return false;
  return ZQLOW_WINUSER::GetMenu(WindowHandle) != nullptr;
}

ZQ_Point<long> ZQF_Window::GetRequiredWindowSize(const ZQ_Point<long>& DesiredClientSize) {
  RECT r{0, 0, DesiredClientSize.X, DesiredClientSize.Y};
  ZQLOW_WINUSER::AdjustWindowRectEx(&r, Cust_GetWindowStyle(), HasMenu(),
                                    Cust_GetWindowExtendedStyle());
  return ZQ_Point<long>(r.right - r.left, r.bottom - r.top);
}

void ZQF_Window::DisablePush() {
  if (DisableLevel == 0) ZQLOW_WINUSER::EnableWindow(WindowHandle, FALSE);
  ++DisableLevel;
}

void ZQF_Window::DisablePop() {
  ZQ_ASSERT_TEXT(DisableLevel > 0, "DisableLevel > 0");
  if (DisableLevel <= 0) return;
  if (--DisableLevel == 0) ZQLOW_WINUSER::EnableWindow(WindowHandle, TRUE);
}

bool ZQF_Window::SetCursorViaSetMouseCursorMessage() {
  if (!WindowHandle) return false;  // no cursor to choose before creation
  POINT cursor;
  ZQLOW_WINUSER::GetCursorPos(&cursor);
  ZQLOW_WINUSER::ScreenToClient(WindowHandle, &cursor);
  const ZQF_ModifierKeys keys = ReadModifierKeys();
  ZQF_SetCursorMouseMessage message(cursor.x, cursor.y, keys.Shift, keys.Control, keys.Alt);
  GetTargetGlyphForMouseEvent()->Dispatch(message);
  ZQR_Cursor::UseCursor();
  return message.IsHandled();
}

ZQ_Rectangle<long> ZQF_Window::GetAllowableDragBoundingRect() { return ZQF_GetAreaMetric(ZQF_AreaMetric_WorkArea); }

// The window may be dragged until only a strip of size metric 7 of it
// remains inside the allowed area.
void ZQF_Window::BeginWindowPositionDrag() {
  if (!WindowHandle) return;  // nothing to move before Construct
  const ZQF_RectangleDragCallback callback(this, &ZQF_Window::WindowDragCallback);
  ZQ_Rectangle<long> allowed = GetAllowableDragBoundingRect();
  const ZQ_Rectangle<long> window = GetWindowRectangle();
  allowed.Inflate(window.Width, window.Height);
  const ZQ_Point<long> strip = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px);
  allowed.Deflate(strip.X, strip.Y);
  const ZQ_Point<long> border = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px);
  ZQF_RectangleLocationDragOperation drag(TopLevelGlyph, window, border.X, border.Y, allowed,
                                          callback);
  ZQF_PerformDraggingOperation(drag);
}

// The edge or corner under the cursor is dragged; the window keeps the
// top-level glyph's minimum size.
void ZQF_Window::BeginWindowSizeDrag() {
  if (!WindowHandle) return;
  const ZQ_Rectangle<long> window = GetWindowRectangle();
  const int edgeCode = ZQF_RectangleSizeDragOperation::ClassifyCursorLocation(
      window, ZQF_GetSizeMetric(ZQF_SizeMetric_SizingCorner), ZQR_Cursor::GetScreenLocation());
  const ZQF_RectangleDragCallback callback(this, &ZQF_Window::WindowDragCallback);
  TopLevelGlyph->UpdateDesiredSize();
  const ZQF_DesiredSize& desired = TopLevelGlyph->GetDesiredSize();
  desired.CheckConsistency();
  desired.CheckValidity();
  const ZQ_Point<long> border = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px);
  ZQF_RectangleSizeDragOperation drag(TopLevelGlyph, window, edgeCode, border.X, border.Y,
                                      desired.Minimum.X, desired.Minimum.Y,
                                      GetAllowableDragBoundingRect(), callback);
  ZQF_PerformDraggingOperation(drag);
}

void ZQF_Window::WindowDragCallback(const ZQ_Rectangle<long>& Rectangle, bool DragCanceled) {
  if (!DragCanceled) SetWindowRectangle(Rectangle);
}
