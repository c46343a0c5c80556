#include <gtest/gtest.h>

#include <string>

#include "WinApiTestSupport.h"
#include "ZQLOW_COMMDLG.h"
#include "ZQLOW_MMSYSTEM.h"
#include "ZQLOW_SHELLAPI.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINUSER.h"

namespace {

const HWND kBadWindow = reinterpret_cast<HWND>(0x1234);
const HMENU kBadMenu = reinterpret_cast<HMENU>(0x1234);

// A registered class of our own, so that registering it again fails.
const char* TestWindowClass() {
  static const char* s_name = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "ZQ_WinUserTestWindow";
    RegisterClassA(&windowClass);
    return "ZQ_WinUserTestWindow";
  }();
  return s_name;
}

using WinUserWrappers = ApiFailureModeTest;

TEST_F(WinUserWrappers, FailedCallsAreReportedUnderTheirNames) {
  ExpectEachReported({
      // result 0
      {"client rectangle", [] { RECT rect; ZQLOW_WINUSER::GetClientRect(kBadWindow, &rect); }, "GetClientRect", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"window rectangle", [] { RECT rect; ZQLOW_WINUSER::GetWindowRect(kBadWindow, &rect); }, "GetWindowRect", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"window text", [] { ZQLOW_WINUSER::SetWindowTextA(kBadWindow, "x"); }, "SetWindowText", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"window position", [] { ZQLOW_WINUSER::SetWindowPos(kBadWindow, nullptr, 0, 0, 0, 0, SWP_NOSIZE); }, "SetWindowPos", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"bring to top", [] { ZQLOW_WINUSER::BringWindowToTop(kBadWindow); }, "BringWindowToTop", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"post a message", [] { ZQLOW_WINUSER::PostMessageA(kBadWindow, WM_USER, 0, 0); }, "PostMessage", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"caret", [] { ZQLOW_WINUSER::CreateCaret(kBadWindow, nullptr, 1, 1); }, "CreateCaret", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"kill a timer", [] { ZQLOW_WINUSER::KillTimer(kBadWindow, 1); }, "KillTimer", ERROR_INVALID_HANDLE, nullptr},
      {"destroy a menu", [] { SetLastError(0); ZQLOW_WINUSER::DestroyMenu(kBadMenu); }, "DestroyMenu", 0, nullptr},
      {"append to a menu", [] { SetLastError(0); ZQLOW_WINUSER::AppendMenuA(kBadMenu, MF_STRING, 1, "x"); }, "AppendMenu", 0, nullptr},
      {"insert into a menu", [] { SetLastError(0); ZQLOW_WINUSER::InsertMenuA(kBadMenu, 0, MF_STRING, 1, "x"); }, "InsertMenu", 0, nullptr},
      {"missing cursor", [] { ZQLOW_WINUSER::LoadCursorA(nullptr, "ZQ_NO_CURSOR"); }, "LoadCursor", ERROR_RESOURCE_TYPE_NOT_FOUND, nullptr},
      {"close a clipboard not open", [] { ZQLOW_WINUSER::CloseClipboard(); }, "CloseClipboard", ERROR_CLIPBOARD_NOT_OPEN, nullptr},
      {"empty a clipboard not open", [] { ZQLOW_WINUSER::EmptyClipboard(); }, "EmptyClipboard", ERROR_CLIPBOARD_NOT_OPEN, nullptr},
      {"read a clipboard not open", [] { ZQLOW_WINUSER::GetClipboardData(CF_TEXT); }, "GetClipboardData", ERROR_CLIPBOARD_NOT_OPEN, nullptr},
      {"write a clipboard not open", [] { ZQLOW_WINUSER::SetClipboardData(CF_TEXT, nullptr); }, "SetClipboardData", ERROR_CLIPBOARD_NOT_OPEN, nullptr},
      {"open the clipboard for an invalid window", [] { ZQLOW_WINUSER::OpenClipboard(kBadWindow); }, "OpenClipboard", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"unknown parameter", [] { ZQLOW_WINUSER::SystemParametersInfoA(0xFFFF, 0, nullptr, 0); }, "SystemParametersInfo", ERROR_INVALID_SPI_VALUE, nullptr},
      {"icon from nothing", [] { ICONINFO info = {}; SetLastError(0); ZQLOW_WINUSER::CreateIconIndirect(&info); }, "CreateIconIndirect", 0, nullptr},
      {"class registered twice", [] { WNDCLASSA windowClass = {}; windowClass.lpfnWndProc = DefWindowProcA; windowClass.lpszClassName = TestWindowClass(); ZQLOW_WINUSER::RegisterClassA(&windowClass); }, "RegisterClass", ERROR_CLASS_ALREADY_EXISTS, nullptr},
      // result 0, the last error cleared first
      {"context of an invalid window", [] { ZQLOW_WINUSER::GetDC(kBadWindow); }, "GetDC", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"paint an invalid window", [] { PAINTSTRUCT paint; ZQLOW_WINUSER::BeginPaint(kBadWindow, &paint); }, "BeginPaint", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"move an invalid window", [] { ZQLOW_WINUSER::MoveWindow(kBadWindow, 0, 0, 1, 1, FALSE); }, "MoveWindow", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"invalidate an invalid window", [] { ZQLOW_WINUSER::InvalidateRect(kBadWindow, nullptr, FALSE); }, "InvalidateRect", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      {"update region without a region", [] { ZQLOW_WINUSER::GetUpdateRgn(kBadWindow, nullptr, FALSE); }, "GetUpdateRgn", ERROR_INVALID_PARAMETER, nullptr},
      {"empty message name", [] { ZQLOW_WINUSER::RegisterWindowMessageA(""); }, "RegisterWindowMessage", ERROR_INVALID_PARAMETER, nullptr},
      {"window of an unknown class", [] { ZQLOW_WINUSER::CreateWindowExA(0, "ZQ_NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr); }, "CreateWindowEx", ERROR_CLASS_DOES_NOT_EXIST, nullptr},
      {"missing bitmap", [] { ZQLOW_WINUSER::LoadBitmapA(nullptr, "ZQ_NO_BITMAP"); }, "LoadBitmap", ERROR_RESOURCE_NAME_NOT_FOUND, nullptr},
      {"timer of an invalid window", [] { ZQLOW_WINUSER::SetTimer(kBadWindow, 1, 10, nullptr); }, "SetTimer", ERROR_INVALID_HANDLE, nullptr},
      // result 0 reported as "Function failed"
      {"client to screen", [] { POINT point; ZQLOW_WINUSER::ClientToScreen(kBadWindow, &point); }, "ClientToScreen", 0, "Function failed"},
      {"screen to client", [] { POINT point; ZQLOW_WINUSER::ScreenToClient(kBadWindow, &point); }, "ScreenToClient", 0, "Function failed"},
      // result -1
      {"items of an invalid menu", [] { SetLastError(0); ZQLOW_WINUSER::GetMenuItemCount(kBadMenu); }, "GetMenuItemCount", 0, nullptr},
      {"enable an item of an invalid menu", [] { ZQLOW_WINUSER::EnableMenuItem(kBadMenu, 1, MF_GRAYED); }, "EnableMenuItem", 0, nullptr},
      {"message of an invalid window", [] { MSG message; ZQLOW_WINUSER::GetMessageA(&message, kBadWindow, 0, 0); }, "GetMessage", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      // thread id 0
      {"thread of an invalid window", [] { DWORD process; ZQLOW_WINUSER::GetWindowThreadProcessId(kBadWindow, &process); }, "GetWindowThreadProcessId", ERROR_INVALID_WINDOW_HANDLE, nullptr},
      // result 32 or less
      {"open a missing document", [] { ZQLOW_SHELLAPI::ShellExecuteA(nullptr, "open", "C:\\zq-missing.zqx", nullptr, nullptr, SW_SHOW); }, "ShellExecute", ERROR_FILE_NOT_FOUND, nullptr},
  });
}

TEST_F(WinUserWrappers, WindowMenuAndTimerLiveThroughTheWrappers) {
  HWND window = ZQLOW_WINUSER::CreateWindowExA(0, TestWindowClass(), "First", WS_OVERLAPPEDWINDOW,
                                               10, 10, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ZQLOW_WINUSER::SetWindowTextA(window, "Second"), TRUE);
  RECT client;
  EXPECT_EQ(ZQLOW_WINUSER::GetClientRect(window, &client), TRUE);
  EXPECT_GT(client.right, 0);
  POINT point = {0, 0};
  EXPECT_EQ(ZQLOW_WINUSER::ClientToScreen(window, &point), TRUE);
  EXPECT_EQ(ZQLOW_WINUSER::ScreenToClient(window, &point), TRUE);
  EXPECT_EQ(point.x, 0);
  DWORD process = 0;
  EXPECT_EQ(ZQLOW_WINUSER::GetWindowThreadProcessId(window, &process), GetCurrentThreadId());
  EXPECT_EQ(process, GetCurrentProcessId());

  HMENU bar = ZQLOW_WINUSER::CreateMenu();
  HMENU popup = ZQLOW_WINUSER::CreatePopupMenu();
  EXPECT_EQ(ZQLOW_WINUSER::AppendMenuA(popup, MF_STRING, 101, "Open"), TRUE);
  EXPECT_EQ(ZQLOW_WINUSER::InsertMenuA(popup, 0, MF_BYPOSITION | MF_STRING, 100, "New"), TRUE);
  EXPECT_EQ(ZQLOW_WINUSER::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "File"), TRUE);
  EXPECT_EQ(ZQLOW_WINUSER::SetMenu(window, bar), TRUE);
  EXPECT_EQ(ZQLOW_WINUSER::GetMenuItemCount(popup), 2);
  EXPECT_EQ(ZQLOW_WINUSER::EnableMenuItem(popup, 101, MF_GRAYED), static_cast<BOOL>(MF_ENABLED));

  EXPECT_EQ(ZQLOW_WINUSER::SetTimer(window, 7, 1000, nullptr), 7u);
  EXPECT_EQ(ZQLOW_WINUSER::KillTimer(window, 7), TRUE);

  HDC dc = ZQLOW_WINUSER::GetDC(window);
  RECT text = {0, 0, 100, 20};
  EXPECT_GT(ZQLOW_WINUSER::DrawTextA(dc, "Hello", -1, &text, DT_SINGLELINE), 0);
  EXPECT_EQ(ZQLOW_WINUSER::ReleaseDC(window, dc), 1);

  EXPECT_EQ(ZQLOW_WINUSER::DestroyWindow(window), TRUE);  // destroys the menus too
  EXPECT_EQ(NewLog(), "");
  EXPECT_TRUE(ApiFailureOf([&] { ZQLOW_WINUSER::DestroyWindow(window); }).thrown);
}

TEST_F(WinUserWrappers, ZeroResultsThatAreNoFailureAreNotReported) {
  HDC screen = GetDC(nullptr);
  RECT rect = {0, 0, 10, 10};
  EXPECT_EQ(ZQLOW_WINUSER::DrawTextA(screen, "", 0, &rect, 0), 0) << "nothing drawn";
  ReleaseDC(nullptr, screen);
  // A context the window does not own is not released: 0, but no error.
  EXPECT_EQ(ZQLOW_WINUSER::ReleaseDC(kBadWindow, reinterpret_cast<HDC>(0x1234)), 0);
  EXPECT_EQ(NewLog(), "");
}

TEST_F(WinUserWrappers, DoNotThrowVariantsHandBackTheFailureUnreported) {
  EXPECT_EQ(ZQLOW_WINUSER::LoadIcon_DoNotThrowException(nullptr, "ZQ_NO_ICON"), nullptr);
  EXPECT_EQ(ZQLOW_MMSYSTEM::PlaySound_DoNotThrowException(
                "C:\\zq-missing.wav", nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT),
            FALSE);
  ZQLOW_WINUSER::MessageBeep_DoNotThrowException(MB_OK);
  EXPECT_EQ(NewLog(), "");
}

// Common dialogs

std::string DialogFailureText(const char* Function, const char* Description) {
  return std::string("A call to the Microsoft Windows function \"") + Function +
         "\" failed.\n\n" + Description + "\n";
}

TEST_F(WinUserWrappers, FailedDialogIsReportedWithItsExtendedErrorDescription) {
  const char* kWrongSize =
      "The lStructSize member of the initialization structure for the corresponding common "
      "dialog box is invalid.";
  const struct { const char* function; void (*call)(); } kCases[] = {
      {"GetOpenFileName", [] { OPENFILENAMEA dialog = {}; dialog.lStructSize = 3; ZQLOW_COMMDLG::GetOpenFileNameA(&dialog); }},
      {"GetSaveFileName", [] { OPENFILENAMEA dialog = {}; dialog.lStructSize = 3; ZQLOW_COMMDLG::GetSaveFileNameA(&dialog); }},
      {"PrintDlg", [] { PRINTDLGA dialog = {}; dialog.lStructSize = 3; ZQLOW_COMMDLG::PrintDlgA(&dialog); }},
      {"PageSetupDlg", [] { PAGESETUPDLGA dialog = {}; dialog.lStructSize = 3; ZQLOW_COMMDLG::PageSetupDlgA(&dialog); }},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.function);
    const ApiFailure failure = ApiFailureOf(c.call);
    EXPECT_EQ(failure.name, std::string("Function ") + c.function + " Failed");
    EXPECT_EQ(failure.description, DialogFailureText(c.function, kWrongSize));
  }
}

// Runs inside the dialog's modal loop; cancels whatever dialog is active.
void CALLBACK CancelActiveDialog(HWND, UINT, UINT_PTR TimerID, DWORD) {
  HWND dialog = GetActiveWindow();
  if (!dialog) return;
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  KillTimer(nullptr, TimerID);
}

TEST_F(WinUserWrappers, CancelledFileDialogThrowsTheCancelExceptionAndLogsNothing) {
  char file[MAX_PATH] = "";
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CancelActiveDialog);
  EXPECT_THROW(ZQLOW_COMMDLG::GetOpenFileNameA(&dialog), ZQ_CancelCurrentOperationException);
  KillTimer(nullptr, timer);
  EXPECT_EQ(NewLog(), "");
}

TEST(ZQLOW_COMMDLG, ExtendedErrorCodesHaveTheirDescriptions) {
  const struct { DWORD code; const char* description; } kCases[] = {
      {0x1008, "A default printer does not exist."},
      {0x3002, "A file name is invalid."},
      {0x4001, "A member of the FINDREPLACE structure points to an invalid buffer."},
      {0x4002, "The error code was 16386."},  // not listed
      {0, "The error code was 0."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_STREQ(ZQLOW_COMMDLG::GetExtendedErrorDescription(c.code).GetText(), c.description);
  }
  EXPECT_TRUE(std::string(ZQLOW_COMMDLG::GetExtendedErrorDescription(0xFFFF).GetText())
                  .rfind("The dialog box could not be created.", 0) == 0);
}

}  // namespace
