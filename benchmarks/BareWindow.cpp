// BareWindow: the anchor of the application's cold-start benchmark. A plain
// Win32 window that paints one line of text, with nothing of our library,
// started and measured exactly as MORV.exe is (AppBenchmark.cpp). It calls
// Windows directly on purpose: it stands for the least a program can do.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProcedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  switch (Message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = ::BeginPaint(Window, &paint);
      static const char kLine[] = "A bare window painting one line.";
      ::TextOutA(dc, 10, 10, kLine, sizeof kLine - 1);
      ::EndPaint(Window, &paint);
      return 0;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(Window, Message, WParam, LParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int ShowCommand) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &WindowProcedure;
  windowClass.hInstance = Instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "ZQBareWindow";
  if (!::RegisterClassA(&windowClass)) return 1;
  const HWND window = ::CreateWindowExA(0, "ZQBareWindow", "Bare Window", WS_OVERLAPPEDWINDOW,
                                        CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, nullptr,
                                        Instance, nullptr);
  if (!window) return 1;
  ::ShowWindow(window, ShowCommand);
  ::UpdateWindow(window);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
