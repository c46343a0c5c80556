// The window object's life in the live-window list, its look-ups and
// accessors, and the program's mouse capture.
#include "ZQF_Window.h"

#include "ZQF_Message.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Array.h"
#include "ZQ_Assertion.h"
#include "ZQ_CopyIterator.h"

namespace {

struct LiveWindows {
  ZQ_AutosizeArray<ZQF_Window*> Windows;
  long NumCurrentWindows = 0;
};

LiveWindows& Live() {
  static LiveWindows s_live;
  return s_live;
}

struct MouseCapture {
  ZQF_Glyph* CapturingGlyph = nullptr;
  ZQ_Point<long> CapturedMouseLocation;
};

MouseCapture s_capture;

bool MouseIsCaptured() { return s_capture.CapturingGlyph != nullptr; }

}  // namespace

ZQF_Window::ZQF_Window(ZQF_TopLevelGlyph* TopLevelGlyph) : TopLevelGlyph(TopLevelGlyph) {
  LiveWindows& live = Live();
  live.Windows[live.NumCurrentWindows] = this;
  ++live.NumCurrentWindows;
}

ZQF_Window::~ZQF_Window() {
  delete TopLevelGlyph;
  TopLevelGlyph = nullptr;
  LiveWindows& live = Live();
  long i = 0;
  while (i < live.NumCurrentWindows && live.Windows[i] != this) ++i;
  ZQ_ASSERT_TEXT_LOG_ONLY(i < live.NumCurrentWindows, "i < NumCurrentWindows");
  if (i == live.NumCurrentWindows) return;
  --live.NumCurrentWindows;
  for (; i < live.NumCurrentWindows; ++i) live.Windows[i] = live.Windows[i + 1];
}

bool ZQF_Window::HasFocus() {
  return WindowHandle && ZQLOW_WINUSER::GetFocus() == WindowHandle;
}

ZQF_Window* ZQF_Window::GetWindowFromHandle(HWND Window) {
  if (!Window) return nullptr;  // windows not yet created have no handle to find
  const LiveWindows& live = Live();
  for (long i = 0; i < live.NumCurrentWindows; ++i) {
    if (live.Windows[i]->WindowHandle == Window) return live.Windows[i];
  }
  return nullptr;
}

ZQF_Window* ZQF_Window::GetFocusWindow() {
  const HWND focus = ZQLOW_WINUSER::GetFocus();
  return focus ? GetWindowFromHandle(focus) : nullptr;
}

ZQ_Iterator<ZQF_Window*> ZQF_Window::GetCurrentWindowsIterator() {
  LiveWindows& live = Live();
  return ZQ_Iterator<ZQF_Window*>(new ZQ_CopyIteratorReference<ZQF_Window*>(
      live.Windows.GetIterator(0, live.NumCurrentWindows)));
}

long ZQF_Window::GetNumCurrentWindows() { return Live().NumCurrentWindows; }

void ZQF_Window::CaptureMouse(ZQF_Glyph* Glyph) {
  s_capture.CapturingGlyph = Glyph;
  POINT cursor;
  ZQLOW_WINUSER::GetCursorPos(&cursor);
  s_capture.CapturedMouseLocation = ZQ_Point<long>(cursor.x, cursor.y);
  ZQLOW_WINUSER::SetCapture(Glyph->GetParentWindowHandle());
}

void ZQF_Window::ReleaseMouse() {
  s_capture.CapturingGlyph = nullptr;
  ZQLOW_WINUSER::ReleaseCapture();
}

ZQF_Glyph* ZQF_Window::GetCapturingGlyph() { return s_capture.CapturingGlyph; }

ZQ_Point<long> ZQF_Window::GetCapturedMouseLocation() {
  ZQ_ASSERT(MouseIsCaptured());
  return s_capture.CapturedMouseLocation;
}

void ZQF_Window::AbortMouseCapture() {
  ZQF_Glyph* capturing = s_capture.CapturingGlyph;
  if (!capturing) return;
  ZQF_LeftUpMouseMessage release(-1, -1, false, false, false);
  capturing->Dispatch(release);
  ReleaseMouse();
}

ZQF_Glyph* ZQF_Window::GetTargetGlyphForMouseEvent() {
  return s_capture.CapturingGlyph ? s_capture.CapturingGlyph : TopLevelGlyph;
}
