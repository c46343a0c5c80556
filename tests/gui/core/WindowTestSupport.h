// WindowTestSupport.h: real toolkit windows for the GUI tests, under Xvfb.
// The fixture runs the stages, makes the harness's program main window once
// (plain windows take it as parent), records reported errors instead of
// showing boxes, clears the modifier keys and destroys the windows a test
// opened. Also: a pump that rethrows parked callback exceptions, the
// keyboard state, a key recorder, and screenshots of a window's client area
// (read back as pixels, and saved as PNG files into <build>/screenshots/).
#ifndef WINDOW_TEST_SUPPORT_H
#define WINDOW_TEST_SUPPORT_H

#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "GlyphTestSupport.h"
#include "GuiStageTestSupport.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQIMGIO.h"
#include "ZQIMG_Conversion.h"
#include "ZQIMG_Image.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQR_Bitmap.h"
#include "ZQ_CallbackGuard.h"
#include "ZQ_ReportError.h"

inline std::vector<std::string>& ReportedErrors() {
  static std::vector<std::string> s_errors;
  return s_errors;
}

inline void RecordReportedError(const ZQ_Exception& Error, ZQ_ReportErrorLevelType) {
  ReportedErrors().push_back(Error.GetDescription().GetText());
}

// Shift, Control and Alt as GetKeyState will read them.
inline void SetModifierKeys(bool Shift, bool Control, bool Alt) {
  BYTE state[256] = {};
  const BYTE down = 0x80;
  state[VK_SHIFT] = Shift ? down : 0;
  state[VK_CONTROL] = Control ? down : 0;
  state[VK_MENU] = Alt ? down : 0;
  ::SetKeyboardState(state);
}

// Dispatches what is queued; true when a WM_QUIT was among it.
inline bool PumpMessages() {
  bool quit = false;
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit = true;
      continue;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
    ZQ_RethrowParkedCallbackException();
  }
  return quit;
}

// SendMessageA as a message loop would run it: a parked exception goes on.
inline LRESULT Send(HWND Window, UINT Message, WPARAM WParam = 0, LPARAM LParam = 0) {
  const LRESULT result = ::SendMessageA(Window, Message, WParam, LParam);
  ZQ_RethrowParkedCallbackException();
  return result;
}

inline LPARAM Point(int X, int Y) { return MAKELPARAM(X, Y); }

// The harness's program main window: made once, kept for the whole run.
class HarnessMainWindow : public ZQF_Window {
 public:
  HarnessMainWindow() : ZQF_Window(new ZQF_TopLevelGlyph(new RecordingGlyph("main", nullptr))) {}
  HWND Cust_GetParentWindowHandle() override { return nullptr; }
  DWORD Cust_GetWindowStyle() override { return WS_OVERLAPPED; }
  bool Cust_IsProgramMainWindow() override { return true; }
};

inline void EnsureHarnessMainWindow() {
  static HarnessMainWindow* s_main = nullptr;
  if (s_main) return;
  ZQLOW_WIN_SetProgramInstanceHandle(::GetModuleHandleA(nullptr));
  s_main = new HarnessMainWindow;
  s_main->Construct(ZQ_Rectangle<long>(0, 0, 50, 50));
}

class WindowTest : public GuiStageTest {
 protected:
  void SetUp() override {
    GuiStageTest::SetUp();
    EnsureHarnessMainWindow();
    ReportedErrors().clear();
    ZQ_SetErrorReportingFunction(&RecordReportedError);
    SetModifierKeys(false, false, false);
    // The real pointer waits in the screen's far corner, away from every test
    // window: a window opening under it would get mouse moves at its place
    // that no test sent.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  void TearDown() override {
    for (HWND window : opened) {
      if (::IsWindow(window)) ::DestroyWindow(window);
    }
    PumpMessages();
    SetModifierKeys(false, false, false);
    ZQ_UseStandardInteractiveErrorReporting();
    GuiStageTest::TearDown();
  }

  // Constructs and shows Window (client area of the given size at 100, 100
  // unless Place says otherwise) and paints it.
  template <class W>
  W* Open(W* Window, const ZQ_Rectangle<long>& Place = ZQ_Rectangle<long>(100, 100, 200, 150)) {
    Window->Construct(Place);
    opened.push_back(Window->GetWindowHandle());
    Window->Show(ZQF_ShowState_Show);
    Window->Update();
    PumpMessages();
    return Window;
  }
  // A plain window around Client.
  ZQF_Window* OpenAround(ZQF_Glyph* Client,
                         const ZQ_Rectangle<long>& Place = ZQ_Rectangle<long>(100, 100, 200, 150)) {
    return Open(new ZQF_Window(new ZQF_TopLevelGlyph(Client)), Place);
  }

  std::vector<HWND> opened;
  // Outlives the windows, whose glyphs record into it until TearDown
  // destroys them.
  VisitLog log;
};

// Records every key message it is offered on the first try as "D<code>" or
// "U<code>", followed by "s", "c" and "a" for the modifiers held.
class KeyRecorder : public RecordingGlyph {
 public:
  KeyRecorder() : RecordingGlyph("keys", nullptr) {
    OnOffer = [this](ZQF_Message& Message, bool SecondTry) {
      const auto* key = dynamic_cast<ZQF_KeyMessage*>(&Message);
      if (!key || SecondTry) return;
      const ZQF_ModifierKeys& keys = key->GetModifierKeys();
      Keys.push_back((dynamic_cast<ZQF_UpKeyMessage*>(&Message) ? "U" : "D") +
                     std::to_string(key->GetKeyCode()) + (keys.Shift ? "s" : "") +
                     (keys.Control ? "c" : "") + (keys.Alt ? "a" : ""));
    };
  }
  std::vector<std::string> Keys;
};

// The client area as the screen shows it, after any pending paint.
inline ZQIMG_Image CaptureClientArea(HWND Window) {
  ::UpdateWindow(Window);
  RECT client;
  ::GetClientRect(Window, &client);
  ZQR_Bitmap bitmap;
  bitmap.CreateScreenCompatiableBitmap(client.right, client.bottom);
  const HDC dc = ::GetDC(Window);
  bitmap.BitBlt(dc, 0, 0);
  ::ReleaseDC(Window, dc);
  return ZQIMG_BitmapToImage(bitmap, 24);
}

// A rectangle of the screen (menu bars, frames and tooltips lie outside
// client areas), saved as <Name>.png and returned.
inline ZQIMG_Image SaveScreenRectangleShot(const ZQ_Rectangle<long>& Area, const std::string& Name) {
  ZQR_Bitmap bitmap;
  bitmap.CreateScreenCompatiableBitmap(Area.Width, Area.Height);
  const HDC screen = ::GetDC(nullptr);
  bitmap.BitBlt(screen, Area.X, Area.Y);
  ::ReleaseDC(nullptr, screen);
  const ZQIMG_Image image = ZQIMG_BitmapToImage(bitmap, 24);
  ZQIMGIO_SaveToFile_PNG(ZQ_FileName((ScreenshotFolder() + "\\" + Name + ".png").c_str()),
                         image);
  return image;
}

// Captures the client area, saves it as <Name>.png and returns it.
inline ZQIMG_Image SaveScreenshot(HWND Window, const std::string& Name) {
  const ZQIMG_Image image = CaptureClientArea(Window);
  ZQIMGIO_SaveToFile_PNG(ZQ_FileName((ScreenshotFolder() + "\\" + Name + ".png").c_str()),
                         image);
  return image;
}

#endif
