#include "ZQ_Timer.h"

#include <set>

#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_CallbackGuard.h"
#include "ZQ_Exception.h"
#include "ZQ_FatalError.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

const char* const kTimerWindowClass = "ZQTIMWNC";

HWND s_timerWindow = nullptr;
bool s_isClassRegistered = false;

// The timers whose Windows timer runs. A WM_TIMER is only trusted when its
// timer is here: a tick already retrieved, or a message sent by anyone,
// could otherwise name a timer that has been deleted.
std::set<ZQ_Timer*>& RunningTimers() {
  static std::set<ZQ_Timer*> timers;
  return timers;
}

const ZQ_StageCallbackRegistration s_registerStageCallback(&ZQ_Timer_InitializationServiceCallback,
                                                           ZQ_InitializationService::Position_Timer);

// The tick's guard: nothing it catches leaves, except through the
// fatal-error report, which ends the program.
void ProcessTickGuarded(ZQ_Timer* Timer) {
  try {
    Timer->ProcessTimerTick();
  } catch (const ZQ_CancelCurrentOperationException&) {
    // The user cancelled what the tick began: nothing to report.
  } catch (ZQ_Exception& e) {
    e.AppendToDescription(
        ZQ_Internationalization_Translate("This error occurred while processing a timer tick."));
    ZQ_ReportFatalError(e);
  } catch (...) {
    ZQ_ReportFatalError("Unknown exception type thrown while processing a timer tick");
  }
}

// One WM_TIMER of the timer window. What escapes it (a failed assertion in
// mode 3) goes to the window procedure's callback guard.
void ProcessTimerMessage(WPARAM WParam) {
  ZQ_TRACE_FUNCTION("ZQ_TimerWndProc");
  if (ZQ_FatalErrorInProgress) return;
  auto* timer = reinterpret_cast<ZQ_Timer*>(WParam);
  ZQ_ASSERT_TEXT(timer != nullptr, "Timer");
  // A tick of a timer killed or deleted since is dropped.
  if (timer && RunningTimers().count(timer)) ProcessTickGuarded(timer);
}

void CreateTimerWindow() {
  // The module that holds the window procedure: in this statically linked
  // program the same handle WinMain receives, and known also to test
  // programs, which have no WinMain to record it (the recorded handle's
  // getter would stop at a message box). GetModuleHandleA (NULL) cannot fail.
  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  // Tests run the stages many times in one process; the class outlives the
  // window, and registering it again would fail.
  if (!s_isClassRegistered) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &ZQ_TimerWndProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kTimerWindowClass;
    ZQLOW_WINUSER::RegisterClassA(&windowClass);
    s_isClassRegistered = true;
  }
  s_timerWindow = ZQLOW_WINUSER::CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 1, 1, nullptr,
                                                 nullptr, instance, nullptr);
}

void DestroyTimerWindow() {
  const HWND window = s_timerWindow;
  s_timerWindow = nullptr;  // cleared first: no timer may use it from now on
  // Windows kills the window's timers with it.
  RunningTimers().clear();
  if (window) ZQLOW_WINUSER::DestroyWindow(window);
}

}  // namespace

ZQ_Timer::ZQ_Timer(int IntervalMs, const ZQ_Functor0& Callback)
    : FirstDelayMs(0), IntervalMs(IntervalMs), Callback(Callback) {
  ZQ_TRACE_FUNCTION("ZQ_Timer::ZQ_Timer");
  SetTimer(IntervalMs);
}

ZQ_Timer::ZQ_Timer(int FirstDelayMs, int IntervalMs, const ZQ_Functor0& Callback)
    : FirstDelayMs(FirstDelayMs), IntervalMs(IntervalMs), Callback(Callback) {
  ZQ_TRACE_FUNCTION("ZQ_Timer::ZQ_Timer");
  SetTimer(FirstDelayMs);
}

ZQ_Timer::~ZQ_Timer() {
  ZQ_TRACE_FUNCTION("ZQ_Timer::~ZQ_Timer");
  // A destructor must not throw: a failed kill is only logged by then.
  try {
    KillTimer();
  } catch (...) {
  }
}

void ZQ_Timer::SetTimer(int TimeUntilNextTickMs) {
  ZQ_TRACE_FUNCTION("ZQ_Timer::SetTimer");
  if (!s_timerWindow) return;
  ZQ_ASSERT_TEXT(!TimerCreated, "not TimerCreated");
  ZQLOW_WINUSER::SetTimer(s_timerWindow, reinterpret_cast<UINT_PTR>(this),
                          static_cast<UINT>(TimeUntilNextTickMs), nullptr);
  TimerCreated = true;
  RunningTimers().insert(this);
}

void ZQ_Timer::KillTimer() {
  ZQ_TRACE_FUNCTION("ZQ_Timer::KillTimer");
  const bool wasCreated = TimerCreated;
  TimerCreated = false;
  RunningTimers().erase(this);
  if (s_timerWindow && wasCreated)
    ZQLOW_WINUSER::KillTimer(s_timerWindow, reinterpret_cast<UINT_PTR>(this));
}

void ZQ_Timer::ProcessTimerTick() {
  ZQ_TRACE_FUNCTION("ZQ_Timer::ProcessTimerTick");
  if (FirstDelayMs != 0) {
    FirstDelayMs = 0;
    KillTimer();
    SetTimer(IntervalMs);
  }
  Tick();  // may delete this object: nothing follows
}

void ZQ_Timer::Tick() {
  ZQ_TRACE_FUNCTION("ZQ_Timer::Tick");
  Callback();
}

LRESULT CALLBACK ZQ_TimerWndProc(HWND Window, UINT Message, WPARAM WParam,
                                 LPARAM LParam) noexcept {
  // The window is the timer service's own: a close sent to every top-level
  // window of the program (as another program's end request does) leaves it
  // alone, or the service would later destroy a window that is gone.
  if (Message == WM_CLOSE) return 0;
  if (Message != WM_TIMER || Window != s_timerWindow)
    return ::DefWindowProcA(Window, Message, WParam, LParam);  // cannot fail
  return ZQ_CallbackGuard(LRESULT(0), [&] {
    ProcessTimerMessage(WParam);
    return LRESULT(0);
  });
}

void ZQ_Timer_InitializationServiceCallback(int Stage) {
  ZQ_TRACE_FUNCTION("ZQ_Timer_InitializationServiceCallback");
  if (Stage == ZQ_InitializationService::Stage_InitializeTranslationUnit)
    CreateTimerWindow();
  else if (Stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit)
    DestroyTimerWindow();
}

HWND ZQ_Timer_GetTimerWindow() { return s_timerWindow; }

void ZQ_Timer_RethrowParkedException() { ZQ_RethrowParkedCallbackException(); }
