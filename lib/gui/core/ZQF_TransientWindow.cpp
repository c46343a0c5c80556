#include "ZQF_TransientWindow.h"

namespace {

bool s_classRegistered = false;

}  // namespace

void ZQF_TransientWindow::Cust_RegisterWindowClass() {
  RegisterWindowClassOnce(s_classRegistered, "ZQFTRANSWIN", CS_SAVEBITS, nullptr);
}

ZQ_String ZQF_TransientWindow::Cust_GetWindowClassName() { return ZQ_String("ZQFTRANSWIN"); }
DWORD ZQF_TransientWindow::Cust_GetWindowStyle() { return WS_CHILD; }
DWORD ZQF_TransientWindow::Cust_GetWindowExtendedStyle() {
  return WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}
HWND ZQF_TransientWindow::Cust_GetParentWindowHandle() { return ::GetDesktopWindow(); }
