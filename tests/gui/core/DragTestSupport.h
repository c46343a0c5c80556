// DragTestSupport.h: drags for the GUI tests. A fake mouse position for the
// drag constructors, mouse positions handed to a drag as its hook would,
// without drawing; recorders of finish callbacks and drag-operation hooks;
// and drags in real windows ended by input posted before they start, or by
// a script of timed input (the middle-button scroll).
#ifndef DRAG_TEST_SUPPORT_H
#define DRAG_TEST_SUPPORT_H

#include <string>
#include <vector>

#include "ZQF_DragOperation.h"
#include "ZQF_DragOperationHookInterface.h"
#include "ZQF_Message.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_Rectangle.h"
#include "ZQ_Timer.h"

// GetCursorPos answers (X, Y) while it lives.
class FakeCursorPosition {
 public:
  FakeCursorPosition(long X, long Y)
      : fake([X, Y](LPPOINT Point) {
          *Point = POINT{X, Y};
          return TRUE;
        }) {}

 private:
  ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::GetCursorPos> fake;
};

// The mouse at (X, Y), as the drag's message hook sees it: a set-cursor
// message moves the position and draws nothing. Glyphs without a window
// take window coordinates as screen coordinates.
inline void PointAt(ZQF_DragOperation& Drag, long X, long Y) {
  ZQF_SetCursorMouseMessage message(X, Y, false, false, false);
  Drag.MessageHookCallback(message);
}

// The cursor handle that applying Cursor hands to SetCursor.
inline HCURSOR HandleOf(const ZQR_Cursor& Cursor) {
  HCURSOR applied = nullptr;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::SetCursor> fake([&applied](HCURSOR C) {
    applied = C;
    return C;
  });
  ZQR_Cursor::SetCursorToUse(Cursor);
  ZQR_Cursor::UseCursor();
  return applied;
}

// What finish callbacks received, as text: "(x, y, w, h) cancelled".
struct FinishRecorder {
  void Separator(long Position, bool Cancelled) {
    Calls.push_back(std::to_string(Position) + (Cancelled ? " cancelled" : ""));
  }
  void Rectangle(const ZQ_Rectangle<long>& R, bool Cancelled) {
    Calls.push_back(Text(R) + (Cancelled ? " cancelled" : ""));
  }
  void Area(const ZQ_Rectangle<long>& R, bool LargeEnough, bool Cancelled) {
    Calls.push_back(Text(R) + (LargeEnough ? " large" : " small") +
                    (Cancelled ? " cancelled" : ""));
  }
  static std::string Text(const ZQ_Rectangle<long>& R) {
    return "(" + std::to_string(R.X) + ", " + std::to_string(R.Y) + ", " + std::to_string(R.Width) +
           ", " + std::to_string(R.Height) + ")";
  }
  std::vector<std::string> Calls;
};

// Records the notifications of the drag-operation hooks while installed:
// "begin", "move", "end" or "end cancelled".
class RecordingDragHook : public ZQF_DragOperationHookInterface {
 public:
  explicit RecordingDragHook(std::vector<std::string>* Log, const std::string& Name = "")
      : Log(Log), Prefix(Name.empty() ? "" : Name + ".") {
    Install();
  }
  ~RecordingDragHook() override {
    if (Installed) Remove();
  }
  void BeginDragOperationNotification() override {
    Log->push_back(Prefix + "begin");
    if (ZQF_GetCurrentDragOperation()) {
      ClipAreaAtBegin = ZQF_GetCurrentDragOperation()->GetCursorClipArea();
    }
  }
  void MouseMoveNotification() override { Log->push_back(Prefix + "move"); }
  void EndDragOperationNotification(bool Cancelled) override {
    Log->push_back(Prefix + (Cancelled ? "end cancelled" : "end"));
    if (RemoveAtEnd) {
      Remove();
      Installed = false;
    }
  }

  std::vector<std::string>* Log;
  std::string Prefix;
  bool RemoveAtEnd = false;
  bool Installed = true;
  ZQ_Rectangle<long> ClipAreaAtBegin;
};

// Moves the pointer 100 px below the press at its first tick, and clicks
// at its eighth.
class ScrollScript {
 public:
  ScrollScript(HWND Window, ZQ_Point<long> Press)
      : Window(Window), Press(Press), Timer(50, ZQ_Functor0(this, &ScrollScript::Step)) {}
  void Step() {
    ++Ticks;
    if (Ticks == 1) {
      ::SetCursorPos(Press.X, Press.Y + 100);
      POINT p{Press.X, Press.Y + 100};
      ::ScreenToClient(Window, &p);
      ::PostMessageA(Window, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    } else if (Ticks == 8) {
      ::PostMessageA(Window, WM_LBUTTONDOWN, 0, 0);
      Timer.KillTimer();
    }
  }
  HWND Window;
  ZQ_Point<long> Press;
  int Ticks = 0;
  ZQ_Timer Timer;
};

#endif
