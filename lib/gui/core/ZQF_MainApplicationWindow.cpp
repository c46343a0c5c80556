#include "ZQF_MainApplicationWindow.h"

#include "ZQF_ApplicationLink.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_Core.h"

namespace {

bool s_classRegistered = false;

HICON LoadMainIcon() {
  const ZQ_String name = ZQF_ApplicationLink_GetMainIconResourceName();
  HICON icon = nullptr;
  if (!name.IsEmpty()) {
    icon = ZQLOW_WINUSER::LoadIcon_DoNotThrowException(ZQLOW_WIN_GetProgramInstanceHandle(),
                                                       name.GetText());
  }
  if (!icon) icon = ZQLOW_WINUSER::LoadIcon_DoNotThrowException(nullptr, IDI_ASTERISK);
  return icon;
}

}  // namespace

bool ZQF_MainApplicationWindow::OnDestroy() {
  ZQF_Window::OnDestroy();  // deletes this object: nothing of it is touched after
  ZQLOW_WINUSER::PostQuitMessage(0);
  return false;
}

void ZQF_MainApplicationWindow::Cust_RegisterWindowClass() {
  if (s_classRegistered) return;
  RegisterWindowClassOnce(s_classRegistered, "ZQFMAINAPPWIN", 0, LoadMainIcon());
}

ZQ_String ZQF_MainApplicationWindow::Cust_GetWindowClassName() {
  return ZQ_String("ZQFMAINAPPWIN");
}
DWORD ZQF_MainApplicationWindow::Cust_GetWindowStyle() { return WS_OVERLAPPEDWINDOW; }
HWND ZQF_MainApplicationWindow::Cust_GetParentWindowHandle() { return nullptr; }
long ZQF_MainApplicationWindow::Cust_GetDefaultWidth() { return CW_USEDEFAULT; }
long ZQF_MainApplicationWindow::Cust_GetDefaultHeight() { return CW_USEDEFAULT; }
long ZQF_MainApplicationWindow::Cust_GetDefaultX() { return CW_USEDEFAULT; }
long ZQF_MainApplicationWindow::Cust_GetDefaultY() { return CW_USEDEFAULT; }
bool ZQF_MainApplicationWindow::Cust_IsProgramMainWindow() { return true; }
