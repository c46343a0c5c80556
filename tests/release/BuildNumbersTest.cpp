#include <gtest/gtest.h>

#include <string>

#include "DebugLogMark.h"
#include "ZQF_DevelopmentSupport.h"
#include "ZQ_Exception.h"

namespace {

ZQ_String Z(const std::string& S) { return ZQ_String(S.data(), static_cast<int>(S.size())); }
std::string S(const ZQ_String& Z) { return std::string(Z.GetText(), Z.GetLength()); }

TEST(ZQF_DevelopmentSupport, BuildNumbersAreReadAndRaisedByTwoInPlace) {
  const int kFails = -1;
  const struct {
    const char* text;
    const char* prefix;
    int mode;
    long want;  // kFails: throws and leaves the text alone
    const char* wantText;
    const char* why;
  } kCases[] = {
      {"x\n#define AppBuildNumber 57\ny", "App", 0, 57, "x\n#define AppBuildNumber 57\ny", "read"},
      {"x\n#define AppBuildNumber 57\ny", "App", 1, 57, "x\n#define AppBuildNumber 59\ny", "raised by 2"},
      {"#define AppBuildNumber\t\r\n  57 // c", "App", 1, 57, "#define AppBuildNumber\t\r\n  59 // c",
       "whitespace and line ends before the number"},
      {"#define LibraryBuildNumber 9\n#define LibraryBuildNumber 4", "Library", 1, 9,
       "#define LibraryBuildNumber 11\n#define LibraryBuildNumber 4", "only the first definition"},
      {"#define AppBuildNumber 57", "App", 2, 57, "#define AppBuildNumber 57", "other modes change nothing"},
      {"#define AppBuildNumberOld 3\n#define AppBuildNumber 5", "App", 1, kFails, nullptr,
       "the number is read right after the key"},
      {"#define LibraryBuildNumber 1", "App", 0, kFails, nullptr, "no definition"},
      {"#define appbuildnumber 1", "App", 0, kFails, nullptr, "the key's bytes exactly"},
      {"#define AppBuildNumber 57.5", "App", 0, kFails, nullptr, "not a whole number"},
      {"#define AppBuildNumber", "App", 0, kFails, nullptr, "no number at the end"},
      {"#define AppBuildNumber 2147483647", "App", 1, kFails, nullptr, "raising would overflow"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_String text(c.text);
    if (c.want == kFails) {
      EXPECT_THROW(ZQF_DevelopmentSupport_ProcessBuildNumber(text, c.prefix, c.mode), ZQ_Exception);
      EXPECT_STREQ(text.GetText(), c.text);
      continue;
    }
    EXPECT_EQ(ZQF_DevelopmentSupport_ProcessBuildNumber(text, c.prefix, c.mode), c.want);
    EXPECT_STREQ(text.GetText(), c.wantText);
  }
}

TEST(ZQF_DevelopmentSupport, HistoryGetsTheNewHeadingAndYieldsWhatIsNew) {
  const struct {
    std::string in, want, whatIsNew;
    const char* why;
  } kCases[] = {
      {"Calc\n\nVersion 2.3 (in progress)\n\n  - fixed\n  - added\n\nVersion 2.2\n\n  - old\n",
       "Calc\n\nVersion 2.4\n\n  - fixed\n  - added\n\nVersion 2.2\n\n  - old", "- fixed\n- added",
       "the heading replaced; the list up to the previous version"},
      {"Calc\n\n  - a\n  - b\n", "Calc\n\nVersion 2.4\n\n  - a\n  - b", "- a\n- b",
       "no heading to replace, no later version: the heading inserted, all collected"},
      {"T\n\nVersion 1\n\n    - a\n  b\n", "T\n\nVersion 2.4\n\n    - a\n  b", "- a\n  b",
       "a line shorter than the indent is collected whole"},
      {"T\r\n\r\nVersion 1\r\n\r\n  - a\r\n", "T\n\nVersion 2.4\n\n  - a", "- a", "CR LF becomes LF"},
      {"T\r\rVersion 1\r\r  - a\r", "T\n\nVersion 2.4\n\n  - a", "- a", "lone CRs end lines too"},
      {"Version 2.3 (in progress)\n\n  - a\n\nVersion 2.2\n  - old\n",
       "Version 2.4\n\n  - a\n\nVersion 2.2\n  - old", "- a",
       "without a title the first heading is the one replaced, the previous version stays"},
      {"\n\nVersion 1\n\n  - a", "\n\nVersion 2.4\n\n  - a", "- a", "blank lines before a title-less heading"},
      {"T\n\nVersion 2.3\n  - a\n\nVersion 2.2\n", "T\n\nVersion 2.4\n\nVersion 2.2", "",
       "a list right under the heading goes with it"},
      {"T\n\t\n\nVersion 1\n\n  - a\t \n\n", "T\n\t\n\nVersion 2.4\n\n  - a\t \n", "- a",
       "tabs are content; the list's trailing blanks are trimmed"},
      {std::string("T\n\nVersion 1\n\n  a\0b\n", 20), std::string("T\n\nVersion 2.4\n\n  a\0b", 21),
       std::string("a\0b", 3), "NUL bytes are kept"},
      {"", "Version 2.4\n\n", "", "an empty history"},
      {"Calc History\n", "Calc History\nVersion 2.4\n\n", "", "only a title"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_String text = Z(c.in);
    EXPECT_EQ(S(ZQF_DevelopmentSupport_UpdateHistoryText(text, "2.4")), c.whatIsNew);
    EXPECT_EQ(S(text), c.want);
  }
}

TEST(ZQF_DevelopmentSupport, HistoryRewriteIsStableAndLogsTheRemovedHeading) {
  std::string history = "Calc\n\nVersion 2.3 (in progress)\n  - direct\n\n";
  for (int i = 0; i < 50000; ++i) history += "  - change " + std::to_string(i) + "\n";
  ZQ_String text = Z(history);
  LogMark mark;
  EXPECT_EQ(S(ZQF_DevelopmentSupport_UpdateHistoryText(text, "2.3")).substr(0, 19), "- change 0\n- change");
  EXPECT_NE(mark.Since().find("Version 2.3 (in progress)"), std::string::npos);
  EXPECT_NE(mark.Since().find("- direct"), std::string::npos);
  const ZQ_String once = text;
  ZQF_DevelopmentSupport_UpdateHistoryText(text, "2.3");
  EXPECT_TRUE(text == once);
}

}  // namespace
