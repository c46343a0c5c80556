#include "ZQ_DebuggingAids.h"

#include <cmath>
#include <cstdlib>
#include <new>

#include "ZQLOW_Windows.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_StackTrace.h"
#include "ZQ_Stopwatch.h"
#include "ZQ_StreamSink.h"
#include "ZQ_TextStreamFormatter.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

// Seconds that Runs calls of Test take, or Runs empty passes when Test is
// empty. The empty pass writes a volatile counter, so that the loop is kept.
double TimeRuns(const ZQ_Functor0& Test, unsigned long Runs) {
  volatile unsigned long passes = 0;
  ZQ_Stopwatch watch;
  if (Test.IsSet()) {
    for (unsigned long i = 0; i < Runs; ++i) Test();
  } else {
    for (unsigned long i = 0; i < Runs; ++i) passes = passes + 1;
  }
  return watch.GetElapsedSeconds();
}

}  // namespace

void ZQ_DebugCauseError(unsigned long Kind) {
  ZQ_TRACE_FUNCTION("ZQ_DebugCauseError");
  switch (Kind) {
    case 0:
      // The condition itself, for the structured-exception filter, without
      // touching memory the program does not own.
      ::RaiseException(EXCEPTION_ACCESS_VIOLATION, 0, 0, nullptr);
      [[fallthrough]];
    case 1: {
      volatile double zero = 0.0;
      volatile double quotient = 1.0 / zero;
      (void)quotient;
    }
      [[fallthrough]];
    case 2:
      ZQ_ASSERT(false);
      [[fallthrough]];
    case 3: {
      volatile double minusOne = -1.0;
      volatile double root = std::sqrt(minusOne);
      (void)root;
    }
      [[fallthrough]];
    case 4: {
      void* block = ::operator new(0x70000000UL);
      ::operator delete(block);
    }
      [[fallthrough]];
    case 5: {
      ZQ_Exception error(ZQ_String("ZQ_DebugCauseError"), ZQ_String());
      ZQ_Exception& asException = error;
      (void)dynamic_cast<ZQ_StreamSinkReference&>(asException);
    }
      [[fallthrough]];
    default:
      break;
  }
  ZQ_ASSERT(false);
}

void ZQ_PerformTimingTest(ZQ_TextStreamFormatter& Out, ZQ_Functor0 Test) {
  ZQ_TRACE_FUNCTION("ZQ_PerformTimingTest");
  Out.PopAllStates();
  Out << SetWidth(10) << SetExponentSymbol(ZQ_String(" x 10^"));
  unsigned long runs = 1;
  double total = 0.0;
  for (;;) {
    Out << "Performing " << SetGroupSize(3) << runs << SetGroupSize(0)
        << " test code iterations";
    total = TimeRuns(Test, runs);
    Out << ", total time = " << total << " sec.";
    Out.NewLine();
    if (total >= 1.0) break;
    runs *= 2;
  }
  if (runs > 1) {
    // Aim at five seconds in all.
    runs = static_cast<unsigned long>(runs * 5.0 / total);
    total = TimeRuns(Test, runs);
  }
  const double overhead = TimeRuns(ZQ_Functor0(), runs) * 0.001;
  const double work = total - overhead;

  Out.NewLine();
  Out.NewLine();
  Out << "               Timing Test Statistics";
  Out.NewLine();
  Out.NewLine();
  Out << SetWidth(0) << SetGroupSize(3) << "Total number of iterations : " << runs;
  Out.NewLine();
  Out.NewLine();
  Out << SetGroupSize(0) << ZQ_SetNumDigitsPastDecimalPoint(3) << SetWidth(6);
  Out << "Total test time : " << total << " sec.";
  Out.NewLine();
  Out << "Overhead time   : " << overhead << " sec.";
  Out.NewLine();
  Out << "Work time       : " << work << " sec.";
  Out.NewLine();
  Out.NewLine();
  Out << SetShowExponent(ZQ_TextStreamFormatter::ShowExponent_AsNeeded) << SetPrecision(4);
  Out << "Time per iteration : " << work / runs << " sec.";
  Out.NewLine();
  Out.NewLine();
  Out << SetWidth(0) << ZQ_SetFormat(ZQ_String("#3,"));
  Out << "Frequency : " << runs / work << " Hz.";
  Out.NewLine();
  Out.NewLine();
}

void ZQ_MainTestFunction(ZQ_TextStreamFormatter& Out) {
  ZQ_TRACE_FUNCTION("ZQ_MainTestFunction");
  Out.NewLine();
  Out.NewLine();
  Out.NewLine();
  Out << "Entering MainTestFunction";
  Out.NewLine();
  Out.NewLine();
  Out.NewLine();
  Out.NewLine();
  Out.NewLine();
  Out << "Leaving MainTestFunction";
  Out.NewLine();
  Out.NewLine();
}

void ZQ_Abort() { std::abort(); }
