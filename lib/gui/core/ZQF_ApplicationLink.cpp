#include "ZQF_ApplicationLink.h"

#include "ZQF_ActionQueue.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Array.h"
#include "ZQ_Assertion.h"
#include "ZQ_CallbackGuard.h"

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

// Takes one message for Window and dispatches it; a quit message is posted
// again for the loop outside and gives false.
bool DispatchNextMessage(HWND Window) {
  MSG message;
  if (!ZQLOW_WINUSER::GetMessageA(&message, Window, 0, 0)) {
    ZQLOW_WINUSER::PostQuitMessage(static_cast<int>(message.wParam));
    return false;
  }
  ZQLOW_WINUSER::TranslateMessage(&message);
  ZQLOW_WINUSER::DispatchMessageA(&message);
  ZQ_RethrowParkedCallbackException();
  return true;
}

bool DefaultPushMessageLoop() {
  const long OldNumberMessageLoopsActive = NumberMessageLoopsActive;
  bool popped = false;
  {
    const ActiveLoop loop;
    while (RunIdleActions(loop)) {
      if (!DispatchNextMessage(nullptr)) break;
    }
    popped = loop.ExitRequested();
  }
  ZQ_ASSERT(OldNumberMessageLoopsActive == NumberMessageLoopsActive);
  return popped;
}

bool DefaultYieldToMessageLoop(ZQF_Window* Window) {
  const HWND handle = Window ? Window->GetWindowHandle() : nullptr;
  MSG message;
  while (!ZQLOW_WINUSER::PeekMessageA(&message, handle, 0, 0, PM_NOREMOVE) &&
         ZQF_ActionQueue::ProcessNextAction()) {
  }
  while (ZQLOW_WINUSER::PeekMessageA(&message, handle, 0, 0, PM_NOREMOVE)) {
    if (!DispatchNextMessage(handle)) return false;
  }
  return true;
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

bool ZQF_ApplicationLink_PushMessageLoop() {
  return Registered().PushMessageLoop ? Registered().PushMessageLoop() : DefaultPushMessageLoop();
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

bool ZQF_ApplicationLink_YieldToMessageLoop(ZQF_Window* Window) {
  return Registered().YieldToMessageLoop ? Registered().YieldToMessageLoop(Window)
                                         : DefaultYieldToMessageLoop(Window);
}

void ZQF_ApplicationLink_Execute(ZQF_Window* Window) {
  if (Registered().Execute) Registered().Execute(Window);
}

bool ZQF_ApplicationLink_DeferMainWindowClose() {
  return Registered().DeferMainWindowClose && Registered().DeferMainWindowClose();
}
