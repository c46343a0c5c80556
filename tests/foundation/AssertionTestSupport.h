// AssertionTestSupport.h: runs a statement that must fail an assertion (the
// tests run in mode 3, so the failure throws ZQ_Exception) and returns the
// failure's message ("" when nothing failed); lets assertion failures pass
// unthrown for a while; or captures what failures log.
#ifndef ASSERTION_TEST_SUPPORT_H
#define ASSERTION_TEST_SUPPORT_H

#include <string>

#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"

// The name of the ZQ_Exception a statement throws, "" when none.
template <class Statement>
std::string ExceptionNameOf(Statement statement) {
  try {
    statement();
  } catch (const ZQ_Exception& e) {
    return e.GetName().GetText();
  }
  return "";
}

template <class Statement>
std::string AssertionFailureOf(Statement statement) {
  return ExceptionNameOf(statement);
}

// True when the failure message names this condition text.
inline bool FailedOn(const std::string& message, const std::string& condition) {
  return message.rfind("Assertion failed: " + condition + ", file \"", 0) == 0;
}

// Ignores assertion failures while it lives (mode 0), as a run whose
// assertion reports return would.
class IgnoringAssertions {
 public:
  IgnoringAssertions() : savedMode(ZQ_GetAssertionMode()) { ZQ_SetAssertionMode(0); }
  ~IgnoringAssertions() { ZQ_SetAssertionMode(savedMode); }

 private:
  long savedMode;
};

// Keeps the log entries of assertion failures in the assertion service's
// fallback text while it lives (instead of the debugging log), so that a test
// can read exactly what was logged.
class CapturedAssertionLog {
 public:
  CapturedAssertionLog() : savedHook(ZQ_SetAssertionLogHook(nullptr)) {
    ZQ_ClearAssertionFallbackLog();
  }
  ~CapturedAssertionLog() {
    ZQ_ClearAssertionFallbackLog();
    ZQ_SetAssertionLogHook(savedHook);
  }
  std::string Text() const { return ZQ_GetAssertionFallbackLog(); }
  // True when an entry names this condition text.
  bool Holds(const std::string& condition) const {
    return Text().find("    Condition : " + condition + "\n") != std::string::npos;
  }

 private:
  ZQ_AssertionLogHook savedHook;
};

#endif
