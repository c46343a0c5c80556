#include <gtest/gtest.h>

#include <string>

#include "DebugLogMark.h"
#include "MessagePumpTestSupport.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Assertion.h"
#include "ZQ_CallbackGuard.h"
#include "ZQ_Exception.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Timer.h"

namespace {

// What a test's callback does at each tick.
struct TickRecorder {
  int ticks = 0;
  DWORD tickTimesMs[8] = {};
  int killAfter = 0;               // kills Timer at this tick (0: never)
  bool deleteOnFirstTick = false;  // deletes Timer from inside its own tick
  enum { ThrowNothing, ThrowZQ, ThrowOther, ThrowCancel } throwKind = ThrowNothing;
  ZQ_Timer* timer = nullptr;

  void OnTick() {
    if (ticks < 8) tickTimesMs[ticks] = GetTickCount();
    ++ticks;
    if (deleteOnFirstTick) {
      ZQ_Timer* doomed = timer;
      timer = nullptr;
      delete doomed;
      return;
    }
    if (killAfter && ticks == killAfter) timer->KillTimer();
    if (throwKind == ThrowZQ) throw ZQ_Exception("Tick failure", "The sensor stopped answering.");
    if (throwKind == ThrowOther) throw 42;
    if (throwKind == ThrowCancel) throw ZQ_CancelCurrentOperationException();
  }
  ZQ_Functor0 Callback() { return ZQ_Functor0(this, &TickRecorder::OnTick); }
};

// The window exists as from stage 2 to stage 12 of the program.
class TimerTest : public testing::Test {
 protected:
  void SetUp() override {
    ZQ_Timer_InitializationServiceCallback(ZQ_InitializationService::Stage_InitializeTranslationUnit);
  }
  void TearDown() override {
    ZQ_Timer_InitializationServiceCallback(ZQ_InitializationService::Stage_DeinitializeTranslationUnit);
  }
};

using TimerDeathTest = TimerTest;

}  // namespace

TEST_F(TimerTest, WindowOfItsClassExistsBetweenStagesTwoAndTwelve) {
  const HWND window = ZQ_Timer_GetTimerWindow();
  ASSERT_NE(window, nullptr);
  char className[32] = "";
  GetClassNameA(window, className, sizeof className);
  EXPECT_STREQ(className, "ZQTIMWNC");
  EXPECT_FALSE(IsWindowVisible(window));
  // Other stages leave it alone; stage 12 destroys it and a second stage 2
  // makes a new one (the class stays registered).
  ZQ_Timer_InitializationServiceCallback(ZQ_InitializationService::Stage_InitializeGlobal);
  EXPECT_EQ(ZQ_Timer_GetTimerWindow(), window);
  ZQ_Timer_InitializationServiceCallback(ZQ_InitializationService::Stage_DeinitializeTranslationUnit);
  EXPECT_EQ(ZQ_Timer_GetTimerWindow(), nullptr);
  EXPECT_FALSE(IsWindow(window));
  ZQ_Timer_InitializationServiceCallback(ZQ_InitializationService::Stage_InitializeTranslationUnit);
  EXPECT_NE(ZQ_Timer_GetTimerWindow(), nullptr);
}

TEST_F(TimerTest, TicksAtItsIntervalUntilKilled) {
  TickRecorder recorder;
  recorder.killAfter = 3;
  ZQ_Timer timer(10, recorder.Callback());
  recorder.timer = &timer;
  PumpMessages([&] { return recorder.ticks >= 3; }, kPatienceMs);
  PumpFor(30);  // killed: no more ticks
  EXPECT_EQ(recorder.ticks, 3);
  EXPECT_FALSE(timer.IsTimerCreated());
}

TEST_F(TimerTest, FirstDelayThenInterval) {
  TickRecorder recorder;
  recorder.killAfter = 4;
  const DWORD startMs = GetTickCount();
  ZQ_Timer timer(150, 15, recorder.Callback());
  recorder.timer = &timer;
  PumpMessages([&] { return recorder.ticks >= 4; }, kPatienceMs);
  ASSERT_EQ(recorder.ticks, 4);
  EXPECT_GE(recorder.tickTimesMs[0] - startMs, 140u);  // the tick counter's steps are ~10 ms
  // Three intervals of 15 ms, far less than three first delays even on a busy machine.
  EXPECT_LT(recorder.tickTimesMs[3] - recorder.tickTimesMs[0], 3 * 150u);
}

TEST_F(TimerTest, CallbackMayDeleteItsOwnTimer) {
  TickRecorder recorder;
  recorder.deleteOnFirstTick = true;
  recorder.timer = new ZQ_Timer(10, recorder.Callback());
  PumpMessages([&] { return recorder.ticks >= 1; }, kPatienceMs);
  PumpFor(40);  // deleted: no more ticks
  EXPECT_EQ(recorder.ticks, 1);
  EXPECT_EQ(recorder.timer, nullptr);
}

TEST_F(TimerTest, TicksOfKilledTimersAndWhileAFatalReportRunsAreDropped) {
  TickRecorder recorder;
  ZQ_Timer timer(100000, recorder.Callback());
  const HWND window = ZQ_Timer_GetTimerWindow();
  const WPARAM id = reinterpret_cast<WPARAM>(&timer);

  ZQ_FatalErrorInProgress = true;
  ZQLOW_WINUSER::PostMessageA(window, WM_TIMER, id, 0);
  DispatchQueuedMessages();
  ZQ_FatalErrorInProgress = false;
  EXPECT_EQ(recorder.ticks, 0);

  ZQLOW_WINUSER::PostMessageA(window, WM_TIMER, id, 0);
  PumpMessages([&] { return recorder.ticks > 0; }, kPatienceMs);
  EXPECT_EQ(recorder.ticks, 1);

  // A tick that was already on its way when the timer was killed.
  timer.KillTimer();
  ZQLOW_WINUSER::PostMessageA(window, WM_TIMER, id, 0);
  DispatchQueuedMessages();
  EXPECT_EQ(recorder.ticks, 1);
}

TEST_F(TimerTest, NullTimerFailsItsAssertionOutsideTheWindowProcedure) {
  ZQLOW_WINUSER::PostMessageA(ZQ_Timer_GetTimerWindow(), WM_TIMER, 0, 0);
  std::string failure;
  try {
    PumpFor(30);
  } catch (const ZQ_Exception& e) {
    failure = e.GetName().GetText();
  }
  EXPECT_EQ(failure.rfind("Assertion failed: Timer,", 0), 0u) << failure;
  ZQ_Timer_RethrowParkedException();  // nothing left parked
}

namespace {

// A thread timer's procedure, run by DispatchMessageA, that fails once. With
// nested set, it first sends the timer window a tick of no timer, whose
// failed assertion the window procedure parks before this one throws.
bool s_sendNullTickFirst = false;

void CALLBACK FailingTimerProc(HWND, UINT, UINT_PTR TimerID, DWORD) noexcept {
  ZQ_CallbackGuard([TimerID] {
    ZQLOW_WINUSER::KillTimer(nullptr, TimerID);
    if (s_sendNullTickFirst) ::SendMessageA(ZQ_Timer_GetTimerWindow(), WM_TIMER, 0, 0);
    throw ZQ_Exception("Tick failure", "The sensor stopped answering.");
  });
}

// The name of the ZQ_Exception that the message loop throws.
std::string FailureOfTheLoop() {
  ZQLOW_WINUSER::SetTimer(nullptr, 0, 10, &FailingTimerProc);
  try {
    PumpFor(kPatienceMs);
  } catch (const ZQ_Exception& e) {
    return e.GetName().GetText();
  }
  return "";
}

}  // namespace

TEST_F(TimerTest, ExceptionOfATimerCallbackGoesOnAfterTheLoopsDispatch) {
  s_sendNullTickFirst = false;
  EXPECT_EQ(FailureOfTheLoop(), "Tick failure");
}

TEST_F(TimerTest, SecondExceptionBeforeTheDispatchReturnsIsLoggedAndTheFirstGoesOn) {
  s_sendNullTickFirst = true;
  const LogMark mark;
  const std::string failure = FailureOfTheLoop();
  s_sendNullTickFirst = false;
  EXPECT_EQ(failure.rfind("Assertion failed: Timer,", 0), 0u) << failure;
  EXPECT_NE(mark.Since().find("Callback exception dropped while another waits: "
                              "The sensor stopped answering.\n"),
            std::string::npos)
      << mark.Since();
}

TEST_F(TimerTest, StartingARunningTimerFails) {
  ZQ_Timer timer(100000, ZQ_Functor0());
  EXPECT_TRUE(timer.IsTimerCreated());
  std::string failure;
  try {
    timer.SetTimer(10);
  } catch (const ZQ_Exception& e) {
    failure = e.GetName().GetText();
  }
  EXPECT_EQ(failure.rfind("Assertion failed: not TimerCreated,", 0), 0u) << failure;
  timer.KillTimer();
  timer.SetTimer(10);  // may start again once killed
  EXPECT_TRUE(timer.IsTimerCreated());
}

TEST_F(TimerTest, TimersOutsideTheWindowsLifetimeNeverRun) {
  ZQ_Timer_InitializationServiceCallback(ZQ_InitializationService::Stage_DeinitializeTranslationUnit);
  TickRecorder recorder;
  ZQ_Timer timer(10, recorder.Callback());
  EXPECT_FALSE(timer.IsTimerCreated());
  timer.SetTimer(10);  // no window: nothing, not even the assertion
  EXPECT_FALSE(timer.IsTimerCreated());
  ZQ_Timer_InitializationServiceCallback(ZQ_InitializationService::Stage_InitializeTranslationUnit);
  PumpFor(40);
  EXPECT_EQ(recorder.ticks, 0);
}

TEST_F(TimerTest, CancelledOperationEndsTheTickQuietly) {
  TickRecorder recorder;
  recorder.throwKind = TickRecorder::ThrowCancel;
  recorder.killAfter = 2;
  ZQ_Timer timer(10, recorder.Callback());
  recorder.timer = &timer;
  PumpMessages([&] { return recorder.ticks >= 2; }, kPatienceMs);
  PumpFor(30);
  EXPECT_EQ(recorder.ticks, 2);
}

namespace {
class CountingTimer : public ZQ_Timer {
 public:
  CountingTimer() : ZQ_Timer(10, ZQ_Functor0()) {}
  int ticks = 0;

 protected:
  void Tick() override {
    if (++ticks == 2) KillTimer();
  }
};
}  // namespace

TEST_F(TimerTest, SubclassesOverrideTick) {
  CountingTimer timer;
  PumpMessages([&] { return timer.ticks >= 2; }, kPatienceMs);
  PumpFor(30);
  EXPECT_EQ(timer.ticks, 2);
}

TEST_F(TimerDeathTest, FailingTickEndsInTheFatalErrorReport) {
  const struct { int kind; const char* message; const char* why; } kCases[] = {
      {TickRecorder::ThrowZQ,
       "This error occurred while processing a timer tick\\.",
       "the exception's description with the sentence appended"},
      {TickRecorder::ThrowOther, "Unknown exception type thrown while processing a timer tick",
       "an exception of another type"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EXIT(
        {
          TickRecorder recorder;
          recorder.throwKind = static_cast<decltype(recorder.throwKind)>(c.kind);
          ZQ_Timer timer(10, recorder.Callback());
          PumpFor(kPatienceMs);  // the first tick ends the process
        },
        testing::ExitedWithCode(1), c.message);
  }
}
