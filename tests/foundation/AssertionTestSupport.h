// AssertionTestSupport.h: runs a statement that must fail an assertion (the
// tests run in mode 3, so the failure throws ZQ_Exception) and returns the
// failure's message ("" when nothing failed).
#ifndef ASSERTION_TEST_SUPPORT_H
#define ASSERTION_TEST_SUPPORT_H

#include <string>

#include "ZQ_Exception.h"

template <class Statement>
std::string AssertionFailureOf(Statement statement) {
  try {
    statement();
  } catch (const ZQ_Exception& e) {
    return e.GetName().GetText();
  }
  return "";
}

// True when the failure message names this condition text.
inline bool FailedOn(const std::string& message, const std::string& condition) {
  return message.rfind("Assertion failed: " + condition + ", file \"", 0) == 0;
}

#endif
