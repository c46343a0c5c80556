// ProgramDriver.h: starting a windowed program of ours as a user starts it,
// finding its windows, driving it with posted input and capturing what it
// shows from the screen. Shared by CaptureProgram.exe (scripts/run.sh), the
// end-to-end tests and the application benchmark; build support, not part of
// the product, so it calls Windows directly. Measured under Wine 8: another
// process's menu cannot be read, but a WM_SYSCOMMAND/SC_KEYMENU with the
// menu's letter, then the item's letter posted to the "#32768" pop-up,
// chooses the item; GetGUIThreadInfo tells another process's active and
// focused windows; the screen DC reads another process's window. Input that
// reaches a window before it is ready (a modal window just closed, a dialog
// not yet focused) is dropped: the driver waits for the focus before it
// posts keys to a dialog, and sends a dropped menu key again. Its users link
// the graphics library (screenshots are saved as PNG files).
#ifndef PROGRAM_DRIVER_H
#define PROGRAM_DRIVER_H

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ZQIMGIO.h"
#include "ZQIMG_Image.h"
#include "ZQ_FileName.h"

namespace ProgramDriver {

// Milliseconds since Since (GetTickCount).
inline DWORD Elapsed(DWORD Since) { return ::GetTickCount() - Since; }

class Program {
 public:
  Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  // Ends a program still running (exit code 99) and closes the handles.
  ~Program() {
    if (Process.hProcess && IsRunning()) ::TerminateProcess(Process.hProcess, 99);
    if (Process.hProcess) ::WaitForSingleObject(Process.hProcess, 5000);
    if (Process.hThread) ::CloseHandle(Process.hThread);
    if (Process.hProcess) ::CloseHandle(Process.hProcess);
  }

  // Starts Exe (a full path) in its own folder, shown normally; false with
  // the Windows error in Error when it cannot start.
  bool Start(const std::string& Exe, const std::string& Arguments = std::string()) {
    std::string commandLine = "\"" + Exe + "\"" + (Arguments.empty() ? "" : " " + Arguments);
    const std::string folder = Exe.substr(0, Exe.find_last_of("\\/") + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;  // as a shortcut starts it
    startup.wShowWindow = SW_SHOWNORMAL;
    if (!::CreateProcessA(Exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &Process)) {
      Error = ::GetLastError();
      return false;
    }
    return true;
  }
  // WaitForInputIdle; true when the program reached its message loop in time.
  bool WaitUntilIdle(DWORD TimeoutMs) { return ::WaitForInputIdle(Process.hProcess, TimeoutMs) == 0; }
  bool IsRunning() const { return ::WaitForSingleObject(Process.hProcess, 0) == WAIT_TIMEOUT; }
  // The exit code, or 259 (STILL_ACTIVE) when it did not end within TimeoutMs.
  DWORD WaitForExit(DWORD TimeoutMs) {
    ::WaitForSingleObject(Process.hProcess, TimeoutMs);
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(Process.hProcess, &code);
    return code;
  }
  DWORD GetId() const { return Process.dwProcessId; }

  DWORD Error = 0;

 private:
  PROCESS_INFORMATION Process = {};
};

struct WindowSearch {
  DWORD id;
  std::vector<HWND> found;
};
inline BOOL CALLBACK CollectVisibleWindow(HWND Window, LPARAM Data) {
  auto* search = reinterpret_cast<WindowSearch*>(Data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(Window, &owner);
  // No exception may leave through Windows' enumeration: a failed append
  // ends the search.
  try {
    if (owner == search->id && ::IsWindowVisible(Window)) search->found.push_back(Window);
  } catch (...) {
    return FALSE;
  }
  return TRUE;
}

// The visible top-level windows of process Id, topmost first.
inline std::vector<HWND> VisibleWindows(DWORD Id) {
  WindowSearch search{Id, {}};
  ::EnumWindows(&CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline std::string WindowText(HWND Window) {
  char text[512] = "";
  ::GetWindowTextA(Window, text, sizeof text);
  return text;
}
inline std::string ClassName(HWND Window) {
  char name[256] = "";
  ::GetClassNameA(Window, name, sizeof name);
  return name;
}

// The visible window of process Id titled Title (empty: any title) of class
// Class (empty: any class); null when there is none.
inline HWND FindWindowOf(DWORD Id, const std::string& Title, const std::string& Class = "") {
  for (HWND window : VisibleWindows(Id)) {
    if ((Title.empty() || WindowText(window) == Title) && (Class.empty() || ClassName(window) == Class)) {
      return window;
    }
  }
  return nullptr;
}

// Polls for the window every 50 ms up to TimeoutMs.
inline HWND WaitForWindowOf(DWORD Id, const std::string& Title, DWORD TimeoutMs,
                            const std::string& Class = "") {
  const DWORD start = ::GetTickCount();
  do {
    if (HWND window = FindWindowOf(Id, Title, Class)) return window;
    ::Sleep(50);
  } while (Elapsed(start) < TimeoutMs);
  return nullptr;
}

// A window of process Id other than its main window (of class MainClass)
// and its menus: a dialog. The toolkit's dialogs draw their titles
// themselves and give Windows none to find them by. Polls up to TimeoutMs.
inline HWND WaitForOtherWindowOf(DWORD Id, const std::string& MainClass, DWORD TimeoutMs) {
  const DWORD start = ::GetTickCount();
  do {
    for (HWND window : VisibleWindows(Id)) {
      if (ClassName(window) != MainClass && ClassName(window) != "#32768") return window;
    }
    if (TimeoutMs) ::Sleep(50);
  } while (Elapsed(start) < TimeoutMs);
  return nullptr;
}

// True once process Id shows no window but its main window and menus (its
// dialogs closed); false when one still shows after TimeoutMs.
inline bool WaitUntilNoOtherWindowOf(DWORD Id, const std::string& MainClass, DWORD TimeoutMs) {
  const DWORD start = ::GetTickCount();
  while (WaitForOtherWindowOf(Id, MainClass, 0)) {
    if (Elapsed(start) >= TimeoutMs) return false;
    ::Sleep(50);
  }
  return true;
}

// The size of the file at Path (a Windows path), -1 when there is none. Read
// from the folder, so it works on a file that its writer keeps locked.
inline long long FileSize(const std::string& Path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!::GetFileAttributesExA(Path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Polls every 50 ms up to TimeoutMs until the file at Path holds at least
// Size bytes (a program's log reached a line); false when it did not.
inline bool WaitForFileSize(const std::string& Path, long long Size, DWORD TimeoutMs) {
  const DWORD start = ::GetTickCount();
  while (FileSize(Path) < Size) {
    if (Elapsed(start) >= TimeoutMs) return false;
    ::Sleep(50);
  }
  return true;
}

// The input state of Window's thread: its active and focused windows.
inline GUITHREADINFO ThreadInput(HWND Window) {
  GUITHREADINFO input = {};
  input.cbSize = sizeof input;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(Window, nullptr), &input)) input = GUITHREADINFO{};
  return input;
}

// Whether Window is enabled, active and holds its thread's focus (itself or
// a child): keys posted to it then reach it.
inline bool HasFocus(HWND Window) {
  const GUITHREADINFO input = ThreadInput(Window);
  return ::IsWindowEnabled(Window) && input.hwndActive == Window &&
         (input.hwndFocus == Window || ::IsChild(Window, input.hwndFocus));
}

// Polls every 50 ms up to TimeoutMs until Window has the focus; false when
// it did not come to.
inline bool WaitForFocus(HWND Window, DWORD TimeoutMs) {
  const DWORD start = ::GetTickCount();
  while (!HasFocus(Window)) {
    if (Elapsed(start) >= TimeoutMs || !::IsWindow(Window)) return false;
    ::Sleep(50);
  }
  return true;
}

// A window of process Id other than its main window (of class MainClass)
// and its menus once it has the focus: a dialog ready for keys. Windows that
// show and go meanwhile are passed over. Polls up to TimeoutMs; null when
// none came to.
inline HWND WaitForFocusedOtherWindowOf(DWORD Id, const std::string& MainClass, DWORD TimeoutMs) {
  const DWORD start = ::GetTickCount();
  do {
    for (HWND window : VisibleWindows(Id)) {
      if (ClassName(window) != MainClass && ClassName(window) != "#32768" && HasFocus(window)) return window;
    }
    ::Sleep(50);
  } while (Elapsed(start) < TimeoutMs);
  return nullptr;
}

// --- Input, posted as the keyboard would deliver it.
inline void PostKey(HWND Window, WPARAM VirtualKey) {
  ::PostMessageA(Window, WM_KEYDOWN, VirtualKey, 1);
  ::PostMessageA(Window, WM_KEYUP, VirtualKey, 0xC0000001);
}
inline void PostText(HWND Window, const std::string& Text) {
  for (unsigned char c : Text) ::PostMessageA(Window, WM_CHAR, c, 1);
}
struct MenuKey {
  HWND Window;
  char Letter;
};
// Sends the menu key of a MenuKey made by new (deleted here) and returns
// once its handling has: at once when the window dropped it, when its menu
// closes otherwise.
inline DWORD WINAPI SendMenuKey(LPVOID Key) {
  const MenuKey key = *static_cast<MenuKey*>(Key);
  delete static_cast<MenuKey*>(Key);
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(key.Window, WM_SYSCOMMAND, SC_KEYMENU, static_cast<unsigned char>(key.Letter), SMTO_NORMAL,
                        600000, &result);
  return 0;
}

// Opens the menu of letter MenuLetter on Window and chooses the item of
// letter ItemLetter in its pop-up; false when no pop-up showed within
// TimeoutMs. The menu key is sent from a thread of its own, not posted: a
// posted key that comes too early is lost without a trace, and one posted
// again may land in the menu that the first one opened late. A sent key's
// handling returns without a menu when the window dropped it, and only then
// is the key sent again.
inline bool ChooseMenuItem(HWND Window, DWORD Id, char MenuLetter, char ItemLetter,
                           DWORD TimeoutMs = 3000) {
  const DWORD start = ::GetTickCount();
  do {
    auto* key = new MenuKey{Window, MenuLetter};
    const HANDLE sending = ::CreateThread(nullptr, 0, &SendMenuKey, key, 0, nullptr);
    if (!sending) {
      delete key;
      return false;
    }
    HWND popup = nullptr;
    bool handled = false;
    while (!(popup = FindWindowOf(Id, "", "#32768")) &&
           !(handled = ::WaitForSingleObject(sending, 50) == WAIT_OBJECT_0) && Elapsed(start) < TimeoutMs) {
    }
    ::CloseHandle(sending);
    if (popup) {
      ::PostMessageA(popup, WM_CHAR, static_cast<unsigned char>(ItemLetter), 1);
      return true;
    }
    if (!handled) return false;  // the key still waits to be handled
    ::Sleep(100);
  } while (Elapsed(start) < TimeoutMs);
  return false;
}

// --- Capture: a window's rectangle read from the screen, 32-bit pixels
// (0x00RRGGBB), rows top first.
struct Capture {
  long Width = 0, Height = 0;
  std::vector<DWORD> Pixels;

  bool operator==(const Capture& Other) const {
    return Width == Other.Width && Height == Other.Height && Pixels == Other.Pixels;
  }
  // More than one colour: something was drawn.
  bool IsPainted() const {
    for (DWORD p : Pixels) {
      if (p != Pixels.front()) return true;
    }
    return false;
  }
  bool Contains(DWORD Rgb) const {
    for (DWORD p : Pixels) {
      if (p == Rgb) return true;
    }
    return false;
  }
};

inline Capture CaptureWindow(HWND Window) {
  Capture shot;
  RECT area = {};
  if (!::GetWindowRect(Window, &area)) return shot;
  // A maximized window reaches past the screen's edges, and a copy from
  // outside the screen fails as a whole under Wine: keep the visible part.
  area.left = std::max(area.left, 0L), area.top = std::max(area.top, 0L);
  area.right = std::min(area.right, static_cast<LONG>(::GetSystemMetrics(SM_CXSCREEN)));
  area.bottom = std::min(area.bottom, static_cast<LONG>(::GetSystemMetrics(SM_CYSCREEN)));
  shot.Width = area.right - area.left, shot.Height = area.bottom - area.top;
  if (shot.Width <= 0 || shot.Height <= 0) return Capture();
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = shot.Width;
  info.bmiHeader.biHeight = -shot.Height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC screen = ::GetDC(nullptr);
  const HDC memory = ::CreateCompatibleDC(screen);
  const HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, shot.Width, shot.Height, screen, area.left, area.top, SRCCOPY);
  ::GdiFlush();
  const DWORD* pixels = static_cast<const DWORD*>(bits);
  shot.Pixels.assign(pixels, pixels + shot.Width * shot.Height);
  for (DWORD& p : shot.Pixels) p &= 0xFFFFFF;
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return shot;
}

// Waits until two captures 200 ms apart are alike and painted; the last
// capture (empty when the window went or TimeoutMs passed first).
inline Capture WaitForSteadyPicture(HWND Window, DWORD TimeoutMs) {
  const DWORD start = ::GetTickCount();
  Capture before = CaptureWindow(Window);
  while (Elapsed(start) < TimeoutMs && ::IsWindow(Window)) {
    ::Sleep(200);
    Capture now = CaptureWindow(Window);
    if (now.IsPainted() && now == before) return now;
    before = now;
  }
  return Capture();
}

// Saves Shot as a PNG file (our encoder) at Path, a Windows path.
inline void SaveCapture(const Capture& Shot, const std::string& Path) {
  ZQIMG_Image image(Shot.Width, Shot.Height, 24);
  for (long y = 0; y < Shot.Height; ++y) {
    unsigned char* row = image.GetRow24BitForWriting(y);
    for (long x = 0; x < Shot.Width; ++x) {
      const DWORD p = Shot.Pixels[y * Shot.Width + x];
      row[3 * x] = p & 0xFF, row[3 * x + 1] = (p >> 8) & 0xFF, row[3 * x + 2] = (p >> 16) & 0xFF;
    }
  }
  ZQIMGIO_SaveToFile_PNG(ZQ_FileName(Path.c_str()), image);
}

}  // namespace ProgramDriver

#endif
