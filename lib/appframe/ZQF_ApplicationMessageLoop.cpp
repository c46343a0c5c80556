// The application's message loops and idle processing.
#include "ZQF_ActionQueue.h"
#include "ZQF_Application.h"
#include "ZQF_Window.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_CallbackGuard.h"

namespace {

// Counts a loop for its whole run, also when an exception ends it.
class LoopDepth {
 public:
  explicit LoopDepth(long& Depth) : depth(Depth) { ++depth; }
  ~LoopDepth() { --depth; }
  LoopDepth(const LoopDepth&) = delete;
  LoopDepth& operator=(const LoopDepth&) = delete;

 private:
  long& depth;
};

}  // namespace

void ZQF_Application::EnsureLoopFlag(long Depth) {
  // Grows to max(2 x Depth + 2, 2 x size); the outer loops' flags stay.
  if (Depth >= LoopExitFlags.GetNumElements()) LoopExitFlags.GrowToInclude(Depth);
}

bool ZQF_Application::RunMessageLoop(HWND Window) {
  ZQ_ASSERT(IsValid());
  const LoopDepth loop(NumberMessageLoopsActive);
  const long depth = NumberMessageLoopsActive;
  EnsureLoopFlag(depth);
  LoopExitFlags[depth] = false;
  for (;;) {
    SpinIdleProcessing(Window);
    if (!PumpMessage(Window)) {
      // Only the outermost loop ends the program; a nested one hands the
      // quit on to the loops around it.
      if (depth > 1) ZQLOW_WINUSER::PostQuitMessage(LastQuitCode);
      return false;
    }
    if (LoopExitFlags[depth]) {
      ZQ_ASSERT(NumberMessageLoopsActive > 0);
      return true;
    }
  }
}

void ZQF_Application::SpinIdleProcessing(HWND Window) {
  while (!MessageInWinQueue(Window) && OnIdle()) {
  }
}

bool ZQF_Application::OnIdle() { return ZQF_ActionQueue::ProcessNextAction(); }

bool ZQF_Application::PumpMessage(HWND Window) {
  MSG message;
  if (!ZQLOW_WINUSER::GetMessageA(&message, Window, 0, 0)) {
    LastQuitCode = static_cast<int>(message.wParam);
    return false;
  }
  ZQLOW_WINUSER::TranslateMessage(&message);
  ZQLOW_WINUSER::DispatchMessageA(&message);
  ZQ_RethrowParkedCallbackException();
  return true;
}

bool ZQF_Application::MessageInWinQueue(HWND Window) {
  MSG message;
  return ZQLOW_WINUSER::PeekMessageA(&message, Window, 0, 0, PM_NOREMOVE) != FALSE;
}

bool ZQF_Application::YieldToMessageLoop(ZQF_Window* Window) {
  const HWND handle = Window ? Window->GetWindowHandle() : nullptr;
  SpinIdleProcessing(handle);
  while (MessageInWinQueue(handle)) {
    if (!PumpMessage(handle)) {
      // The loop that waits outside must still see it.
      ZQLOW_WINUSER::PostQuitMessage(LastQuitCode);
      return false;
    }
  }
  return true;
}

bool ZQF_Application::PushMessageLoop() {
  const long OldNumberMessageLoopsActive = NumberMessageLoopsActive;
  const bool popped = RunMessageLoop(nullptr);
  ZQ_ASSERT(OldNumberMessageLoopsActive == NumberMessageLoopsActive);
  return popped;
}

void ZQF_Application::PopMessageLoop() {
  ZQ_ASSERT(NumberMessageLoopsActive > 0);
  if (NumberMessageLoopsActive <= 0) return;
  EnsureLoopFlag(NumberMessageLoopsActive);
  LoopExitFlags[NumberMessageLoopsActive] = true;
}
