// The one window procedure of the toolkit's windows and its message table.
// No C++ exception leaves it: a ZQ_Exception is logged and reported, a
// cancellation ends the message quietly, and anything else is parked for
// the message loop to rethrow after DispatchMessageA returns.
#include "ZQF_ActionQueue.h"
#include "ZQF_MessageHook.h"
#include "ZQF_Metrics.h"
#include "ZQF_MouseWheel.h"
#include "ZQF_Window.h"
#include "ZQ_Assertion.h"
#include "ZQ_CallbackGuard.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_ReportError.h"

namespace {

// The metric device context is dropped after every message, whatever way
// the procedure leaves.
struct MetricDCRelease {
  ~MetricDCRelease() {
    ZQ_CallbackGuard([] { ZQF_ReleaseMetricDC(); });
  }
};

long SignedLow(LPARAM Value) { return static_cast<short>(LOWORD(Value)); }
long SignedHigh(LPARAM Value) { return static_cast<short>(HIWORD(Value)); }

// Calls the handler of the message table; false for a message outside it.
bool CallHandler(ZQF_Window* W, UINT Message, WPARAM WParam, LPARAM LParam) {
  const long x = SignedLow(LParam);
  const long y = SignedHigh(LParam);
  const UINT keys = LOWORD(WParam);
  switch (Message) {
    case WM_CREATE: return W->OnCreate(reinterpret_cast<CREATESTRUCTA*>(LParam));
    case WM_DESTROY: return W->OnDestroy();
    case WM_SIZE: return W->OnSize(LOWORD(LParam), HIWORD(LParam), LOWORD(WParam));
    case WM_ACTIVATE: return W->OnActivate(WParam != 0);
    case WM_SETFOCUS: return W->OnSetFocus();
    case WM_KILLFOCUS: return W->OnKillFocus();
    case WM_PAINT: return W->OnPaint();
    case WM_CLOSE: return W->OnClose();
    case WM_SYSCOLORCHANGE: return W->OnSysColorChange();
    case WM_SETTINGCHANGE: return W->OnSettingChange();
    case WM_ACTIVATEAPP: return W->OnActivateApp(WParam != 0);
    case WM_CANCELMODE: return W->OnCancelMode();
    case WM_SETCURSOR: return W->OnSetCursor(LOWORD(LParam));
    case WM_GETMINMAXINFO: return W->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(LParam));
    case WM_KEYDOWN: return W->OnKeyDown(LOWORD(WParam), LParam);
    case WM_KEYUP: return W->OnKeyUp(LOWORD(WParam), LParam);
    case WM_CHAR: return W->OnChar(LOWORD(WParam), LParam);
    case WM_SYSKEYDOWN: return W->OnSysKeyDown(LOWORD(WParam), LParam);
    case WM_SYSKEYUP: return W->OnSysKeyUp(LOWORD(WParam), LParam);
    case WM_SYSCHAR: return W->OnSysChar(LOWORD(WParam), LParam);
    case WM_COMMAND:
      return W->OnCommand(HIWORD(WParam), LOWORD(WParam), reinterpret_cast<HWND>(LParam));
    case WM_INITMENU: return W->OnInitMenu(reinterpret_cast<HMENU>(WParam));
    case WM_INITMENUPOPUP:
      return W->OnInitMenuPopup(reinterpret_cast<HMENU>(WParam), HIWORD(LParam) != 0);
    case WM_MENUSELECT:
      return W->OnMenuSelect(LOWORD(WParam), reinterpret_cast<HMENU>(LParam), HIWORD(WParam));
    case WM_MOUSEMOVE: return W->OnMouseMove(x, y, keys);
    case WM_LBUTTONDOWN: return W->OnLButtonDown(x, y, keys);
    case WM_LBUTTONUP: return W->OnLButtonUp(x, y, keys);
    case WM_LBUTTONDBLCLK: return W->OnLButtonDblClk(x, y, keys);
    case WM_RBUTTONDOWN: return W->OnRButtonDown(x, y, keys);
    case WM_RBUTTONUP: return W->OnRButtonUp(x, y, keys);
    case WM_RBUTTONDBLCLK: return W->OnRButtonDblClk(x, y, keys);
    case WM_MBUTTONDOWN: return W->OnMButtonDown(x, y, keys);
    case WM_MBUTTONUP: return W->OnMButtonUp(x, y, keys);
    case WM_MBUTTONDBLCLK: return W->OnMButtonDblClk(x, y, keys);
    case WM_MOUSEWHEEL: return W->OnMouseWheel(x, y, static_cast<short>(HIWORD(WParam)));
    default:
      // The registered wheel message of older systems carries the delta in
      // the low word; it is asked for only now, when no row matched.
      if (Message == ZQF_MouseWheel_GetWheelMessageID()) {
        return W->OnMouseWheel(x, y, static_cast<short>(LOWORD(WParam)));
      }
      return false;
  }
}

// Raw hooks, the look-up and the handler; the window may be deleted by its
// handler (WM_DESTROY), so nothing touches it afterwards.
LRESULT ProcessMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  if (ZQF_AreRawHooksInstalled() && ZQF_ProcessRawHooks({Window, Message, WParam, LParam})) {
    return 0;
  }
  // WM_CREATE arrives before the handle is stored: Construct passes the
  // object as the creation parameter.
  ZQF_Window* window =
      Message == WM_CREATE
          ? static_cast<ZQF_Window*>(reinterpret_cast<CREATESTRUCTA*>(LParam)->lpCreateParams)
          : ZQF_Window::GetWindowFromHandle(Window);
  if (!window) return ::DefWindowProcA(Window, Message, WParam, LParam);
  ZQF_ActionQueue::ResetIdleCycle();
  if (CallHandler(window, Message, WParam, LParam)) return 0;
  return ::DefWindowProcA(Window, Message, WParam, LParam);
}

}  // namespace

LRESULT CALLBACK ZQF_Window::WndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  if (ZQ_FatalErrorInProgress) {
    return WndProc_CurrentlyProcessingFatalError(Window, Message, WParam, LParam);
  }
  return ZQ_CallbackGuard(LRESULT(0), [&]() -> LRESULT {
    const MetricDCRelease release;
    try {
      return ProcessMessage(Window, Message, WParam, LParam);
    } catch (const ZQ_CancelCurrentOperationException&) {
    } catch (const ZQ_Exception& e) {
      ZQ_WriteDebugLogEntry(ZQ_String("\n\n\nUncaught exception in function WndProc\n"));
      ZQ_ReportError(e, ZQ_ReportErrorLevel_Error);
    }
    return 0;
  });
}

// No glyph code runs while a fatal error is reported: the client area is
// plainly filled so that the stop box has a tidy window behind it.
LRESULT ZQF_Window::WndProc_CurrentlyProcessingFatalError(HWND Window, UINT Message,
                                                          WPARAM WParam, LPARAM LParam) {
  try {
    if (Message != WM_PAINT) return ::DefWindowProcA(Window, Message, WParam, LParam);
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(Window, &paint);
    ::FillRect(dc, &paint.rcPaint, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    ::EndPaint(Window, &paint);
  } catch (...) {
  }
  return 0;
}
