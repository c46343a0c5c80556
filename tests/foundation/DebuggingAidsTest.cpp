#include "ZQ_DebuggingAids.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <typeinfo>

#include "AssertionTestSupport.h"
#include "DiagnosticsTestSupport.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Internationalization.h"
#include "ZQ_Stopwatch.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

TEST(ZQ_DebuggingAids, MainTestFunctionWritesOnlyItsTwoMessages) {
  ZQ_StringStream out;
  ZQ_MainTestFunction(out);
  EXPECT_STREQ(out.GetText(),
               "\n\n\nEntering MainTestFunction\n\n\n\n\nLeaving MainTestFunction\n\n");
}

// What a provoked error turned into in the tests' assertion mode 3.
std::string Outcome(unsigned long Kind) {
  try {
    ZQ_DebugCauseError(Kind);
    return "returned";
  } catch (const ZQ_Exception& e) {
    return FailedOn(e.GetName().GetText(), "false") ? "assertion false" : e.GetName().GetText();
  } catch (const std::bad_alloc&) {
    return "bad_alloc";
  } catch (const std::bad_cast&) {
    return "bad_cast";
  }
}

TEST(ZQ_DebuggingAids, ProvokedErrorsFallThroughUntilOneStopsTheProgram) {
  // Floating-point faults masked and maths errors unreported, as before the
  // run: the division and the root do not stop anything.
  const struct { unsigned long kind; const char* outcome; const char* why; } kCases[] = {
      {1, "assertion false", "the masked division falls through to the assertion"},
      {2, "assertion false", "the assertion"},
      {5, "bad_cast", "the failing dynamic cast"},
      {6, "assertion false", "beyond the list: the final assertion"},
      {7, "assertion false", "beyond the list: the final assertion"},
      {4000000000UL, "assertion false", "far beyond the list"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Outcome(c.kind), c.outcome);
  }
  // Whether the 1.75 GB block can be had depends on the address space left:
  // either the allocation fails, or the cast after it does.
  for (unsigned long kind : {3UL, 4UL}) {
    SCOPED_TRACE(kind);
    const std::string outcome = Outcome(kind);
    EXPECT_TRUE(outcome == "bad_alloc" || outcome == "bad_cast") << outcome;
  }
}

TEST(ZQ_DebuggingAidsDeathTest, ProvokedAssertionInTheRunIsAFatalReport) {
  EXPECT_EXIT(
      {
        ZQLOW_WIN_SetAPIFunctionFailureMode(0);
        ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NoTranslation);
        ZQ_InitializeDebugging();
        ZQ_DebugCauseError(2);
      },
      testing::ExitedWithCode(1), "The error message was:\n\nAssertion failed: false, file ");
  RemovePath(ExecutableDirectory() + ExecutableBase() + ".log");
  RemovePath(ExecutableDirectory() + ExecutableBase() + " Fatal Error Report.txt");
  RemovePath(ExecutableDirectory() + ExecutableBase() + " Stop Box.txt");
}

TEST(ZQ_DebuggingAidsDeathTest, AbortEndsTheProcessAbnormally) {
  EXPECT_EXIT(ZQ_Abort(), [](int ExitCode) { return ExitCode != 0 && ExitCode != 1; }, "");
}

// A clock that moves only when the timed code says so.
unsigned long s_fakeTicks = 0;
unsigned long FakeTicks() { return s_fakeTicks; }
unsigned long s_calls = 0;
unsigned long s_msPerCall = 0;
void TimedCode() {
  ++s_calls;
  s_fakeTicks += s_msPerCall;
}

TEST(ZQ_DebuggingAids, TimingTestDoublesTheRunsToASecondThenScalesToFiveSeconds) {
  const struct {
    unsigned long msPerCall;
    unsigned long trials;   // "Performing" lines
    unsigned long calls;    // all runs of the code
    const char* iterations;
    const char* total;
    const char* why;
  } kCases[] = {
      {300, 3, 1 + 2 + 4 + 16, "Total number of iterations : 16", "Total test time :  4.800 sec.",
       "0.3 s: 1, 2, 4 runs (1.2 s), then 4 * 5 / 1.2 = 16"},
      {1500, 1, 1, "Total number of iterations : 1", "Total test time :  1.500 sec.",
       "a second or more at once: measured once"},
  };
  const ZQ_MillisecondTickCountSource previous = ZQ_SetMillisecondTickCountSource(&FakeTicks);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    s_calls = 0;
    s_msPerCall = c.msPerCall;
    ZQ_StringStream out;
    ZQ_PerformTimingTest(out, ZQ_Functor0(&TimedCode));
    const std::string text = out.GetText();
    unsigned long trials = 0;
    for (size_t at = text.find("Performing "); at != std::string::npos;
         at = text.find("Performing ", at + 1))
      ++trials;
    EXPECT_EQ(trials, c.trials) << text;
    EXPECT_EQ(s_calls, c.calls);
    EXPECT_NE(text.find(c.iterations), std::string::npos) << text;
    EXPECT_NE(text.find(c.total), std::string::npos) << text;
    EXPECT_NE(text.find("               Timing Test Statistics\n\n"), std::string::npos);
    EXPECT_NE(text.find("Overhead time   :  0.000 sec."), std::string::npos) << text;
    EXPECT_NE(text.find("Frequency : "), std::string::npos);
  }
  ZQ_SetMillisecondTickCountSource(previous);
}

TEST(ZQ_DebuggingAids, TimingTestStartsFromTheDefaultFormat) {
  const ZQ_MillisecondTickCountSource previous = ZQ_SetMillisecondTickCountSource(&FakeTicks);
  s_msPerCall = 2000;
  ZQ_StringStream out;
  out.PushState();
  out << SetBase(16) << SetPadChar('*');
  ZQ_PerformTimingTest(out, ZQ_Functor0(&TimedCode));
  ZQ_SetMillisecondTickCountSource(previous);
  const std::string text = out.GetText();
  EXPECT_EQ(text.find('*'), std::string::npos) << text;
  EXPECT_NE(text.find("Total number of iterations : 1\n"), std::string::npos) << text;
}

}  // namespace
