#include "ZQ_DebugLog.h"

#include <gtest/gtest.h>

#include <string>

#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_StackTrace.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

// What the log received since the mark was taken.
class LogMark {
 public:
  LogMark() : Start(ZQ_GetDebugLogText().GetLength()) {}
  std::string Since() const {
    const ZQ_String& text = ZQ_GetDebugLogText();
    return std::string(text.GetText() + Start, text.GetLength() - Start);
  }

 private:
  int Start;
};

}  // namespace

TEST(ZQ_DebugLog, KeepsEverythingWrittenInMemory) {
  ASSERT_TRUE(ZQ_DebugSinkExists());
  LogMark mark;
  ZQ_DebugLog << "value = " << 2.5 << ", count = " << 3;
  ZQ_DebugLog.NewLine();
  ZQ_DebugLog.Flush();
  EXPECT_EQ(mark.Since(), "value = 2.5, count = 3\n");
}

TEST(ZQ_DebugLog, EntriesIgnoreTheLogsFormatAttributes) {
  LogMark mark;
  ZQ_DebugLog.PushState();
  ZQ_DebugLog << SetWidth(40);
  ZQ_WriteDebugLogEntry(ZQ_String("entry\n"));
  ZQ_DebugLog.PopState();
  EXPECT_EQ(mark.Since(), "entry\n");
}

TEST(ZQ_DebugLog, AssertionFailuresAreWrittenToTheLog) {
  const ZQ_AssertionLogHook previous = ZQ_ConnectAssertionsToDebugLog();
  LogMark mark;
  EXPECT_THROW(ZQ_ReportAssertionFailure("X", "F", 12), ZQ_Exception);
  ZQ_SetAssertionLogHook(previous);
  EXPECT_EQ(mark.Since(),
            "\n\n\nAssertion Failed\n"
            "    Condition : X\n"
            "    File Name : F\n"
            "    Line      : 12\n"
            "\n");
}

TEST(ZQ_StackTrace, BuiltInTypesHaveFormatters) {
  const ZQ_String text("abc");
  const char* raw = "raw";
  const char* null = nullptr;
  const double d = 0.1;
  const float f = 0.1f;
  const bool b = true;
  const long n = -1234567;
  const unsigned short u = 65535;
  const char c = 'q';
  const struct { long code; const void* address; const char* want; } kCases[] = {
      {0, &text, "\"abc\""}, {1, &raw, "raw"},      {1, &null, "NULL"},
      {2, &c, "q"},          {3, &c, "q"},          {6, &n, "-1234567"},
      {8, &u, "65535"},      {11, &d, "0.10000000000000001"},
      {12, &f, "0.100000001"}, {13, &b, "True"},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.code);
    ASSERT_NE(ZQ_StackTrace_VarFormatterFunTable[row.code], nullptr);
    EXPECT_STREQ(ZQ_StackTrace_VarFormatterFunTable[row.code](row.address).GetText(), row.want);
  }
}
