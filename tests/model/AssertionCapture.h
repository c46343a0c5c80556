// AssertionCapture.h: helpers for tests of functions that assert their
// preconditions: a scope that sets the assertion mode, and the message of the
// assertion a call fails in mode 3.
#pragma once

#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"

#include <string>

class AssertionModeScope {
 public:
  explicit AssertionModeScope(long mode) : m_previousMode(ZQ_GetAssertionMode()) {
    ZQ_SetAssertionMode(mode);
  }
  ~AssertionModeScope() { ZQ_SetAssertionMode(m_previousMode); }
  AssertionModeScope(const AssertionModeScope&) = delete;
  AssertionModeScope& operator=(const AssertionModeScope&) = delete;

 private:
  long m_previousMode;
};

// The name of the ZQ_Exception that call throws in assertion mode 3 (the
// assertion message), or "no assertion failed".
template <class Call>
std::string FailedAssertionMessage(Call call) {
  AssertionModeScope throwing(3);
  try {
    call();
  } catch (const ZQ_Exception& e) {
    return std::string(e.GetName().GetText(), e.GetName().GetLength());
  }
  return "no assertion failed";
}

// The start of the message of a failed check of condition.
inline std::string AssertionMessagePrefix(const char* condition) {
  return std::string("Assertion failed: ") + condition + ", file \"";
}
