// AssertionTestSupport.h: runs a statement that must fail an assertion (the
// tests run in mode 3, so the failure throws ZQ_Exception) and returns the
// failure's message ("" when nothing failed); or lets assertion failures
// pass unthrown for a while.
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

#endif
