// WinApiTestSupport.h: runs Windows calls that are made to fail on purpose
// in API failure mode 0 (a failure throws ZQ_Exception) and collects what
// the failure report threw and wrote to the debugging log.
#ifndef WIN_API_TEST_SUPPORT_H
#define WIN_API_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ZQLOW_WIN_Core.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"

struct ApiFailure {
  bool thrown = false;
  std::string name;
  std::string description;
};

template <class Call>
ApiFailure ApiFailureOf(Call call) {
  try {
    call();
  } catch (const ZQ_Exception& e) {
    return {true, e.GetName().GetText(), e.GetDescription().GetText()};
  }
  return {};
}

inline std::string SystemText(DWORD Code) {
  return ZQLOW_WIN_Code_ErrorCodeToMessage(Code).GetText();
}

// The message of a failure without explicit text and with last error 0.
inline std::string CallFailedText(const std::string& Function) {
  return "A call to the Microsoft Windows function \"" + Function + "\" failed.\n";
}

// One call made to fail: reported under Function ("CreateFile"), with the
// explicit Text, or else the system text of Code, or else (Code 0) the
// sentence naming the function.
struct FailingCall {
  const char* why;
  std::function<void()> call;
  const char* function;
  DWORD code;
  const char* text;
};

inline std::string ExpectedDescription(const FailingCall& Case) {
  if (Case.text) return Case.text;
  return Case.code ? SystemText(Case.code) : CallFailedText(Case.function);
}

// Sets failure mode 0 for the test and gives the log written since SetUp.
class ApiFailureModeTest : public testing::Test {
 protected:
  void SetUp() override {
    savedMode = ZQLOW_WIN_GetAPIFunctionFailureMode();
    ZQLOW_WIN_SetAPIFunctionFailureMode(0);
    MarkLog();
  }
  void TearDown() override { ZQLOW_WIN_SetAPIFunctionFailureMode(savedMode); }

  void MarkLog() { logStart = ZQ_GetDebugLogText().GetLength(); }
  std::string NewLog() const {
    const ZQ_String& text = ZQ_GetDebugLogText();
    return std::string(text.GetText() + logStart, text.GetLength() - logStart);
  }

  // Each call must throw the report's exception and log its entry.
  void ExpectEachReported(const std::vector<FailingCall>& Cases) {
    for (const auto& c : Cases) {
      SCOPED_TRACE(c.why);
      MarkLog();
      const ApiFailure failure = ApiFailureOf(c.call);
      ASSERT_TRUE(failure.thrown);
      EXPECT_EQ(failure.name, std::string("Function ") + c.function + " Failed");
      EXPECT_EQ(failure.description, ExpectedDescription(c));
      EXPECT_NE(NewLog().find("    Name = '" + failure.name + "'\n"), std::string::npos);
    }
  }

  int savedMode = 1;
  int logStart = 0;
};

#endif
