#include "ZQF_ApplicationLink.h"

#include "ZQF_ActionQueue.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Array.h"
#include "ZQ_Assertion.h"
#include "ZQ_Timer.h"

namespace {

ZQF_ApplicationFunctions& Registered() {
  static ZQF_ApplicationFunctions s_functions;
  return s_functions;
}

// The default nested loops: one exit flag per depth.
long NumberMessageLoopsActive = 0;

ZQ_AutosizeArray<bool>& ExitFlags() {
  static ZQ_AutosizeArray<bool> s_flags;
  return s_flags;
}

// Counts a loop for its whole run, also when an exception ends it.
class ActiveLoop {
 public:
  ActiveLoop() : Depth(NumberMessageLoopsActive++) { ExitFlags()[Depth] = false; }
  ~ActiveLoop() { --NumberMessageLoopsActive; }
  ActiveLoop(const ActiveLoop&) = delete;
  ActiveLoop& operator=(const ActiveLoop&) = delete;
  bool ExitRequested() const { return ExitFlags()[Depth]; }

 private:
  long Depth;
};

// Performs idle actions while no message waits; true when the loop may
// go on to wait for a message.
bool RunIdleActions(const ActiveLoop& Loop) {
  MSG message;
  while (!Loop.ExitRequested() &&
         !ZQLOW_WINUSER::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) &&
         ZQF_ActionQueue::ProcessNextAction()) {
  }
  return !Loop.ExitRequested();
}

void DefaultPushMessageLoop() {
  const long OldNumberMessageLoopsActive = NumberMessageLoopsActive;
  {
    const ActiveLoop loop;
    while (RunIdleActions(loop)) {
      MSG message;
      if (!ZQLOW_WINUSER::GetMessageA(&message, nullptr, 0, 0)) {
        ZQLOW_WINUSER::PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      ZQLOW_WINUSER::TranslateMessage(&message);
      ZQLOW_WINUSER::DispatchMessageA(&message);
      ZQ_Timer_RethrowParkedException();
    }
  }
  ZQ_ASSERT(OldNumberMessageLoopsActive == NumberMessageLoopsActive);
}

void DefaultPopMessageLoop() {
  ZQ_ASSERT(NumberMessageLoopsActive > 0);
  if (NumberMessageLoopsActive > 0) ExitFlags()[NumberMessageLoopsActive - 1] = true;
}

}  // namespace

ZQF_ApplicationFunctions ZQF_ApplicationLink_Register(const ZQF_ApplicationFunctions& Functions) {
  const ZQF_ApplicationFunctions previous = Registered();
  Registered() = Functions;
  return previous;
}

void ZQF_ApplicationLink_PushMessageLoop() {
  if (Registered().PushMessageLoop) {
    Registered().PushMessageLoop();
  } else {
    DefaultPushMessageLoop();
  }
}

void ZQF_ApplicationLink_PopMessageLoop() {
  if (Registered().PopMessageLoop) {
    Registered().PopMessageLoop();
  } else {
    DefaultPopMessageLoop();
  }
}

ZQF_Window* ZQF_ApplicationLink_GetMainWindow() {
  return Registered().GetMainWindow ? Registered().GetMainWindow() : nullptr;
}

void ZQF_ApplicationLink_PrepareForAppMainWindowDestruction() {
  if (Registered().PrepareForAppMainWindowDestruction) {
    Registered().PrepareForAppMainWindowDestruction();
  }
}

ZQ_String ZQF_ApplicationLink_GetMainIconResourceName() {
  return Registered().GetMainIconResourceName ? Registered().GetMainIconResourceName()
                                               : ZQ_String();
}
