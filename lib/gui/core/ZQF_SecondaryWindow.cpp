#include "ZQF_SecondaryWindow.h"

HWND ZQF_SecondaryWindow::Cust_GetParentWindowHandle() {
  return OwnerWindow ? OwnerWindow->GetWindowHandle() : ZQF_Window::Cust_GetParentWindowHandle();
}
