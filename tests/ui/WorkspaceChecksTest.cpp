#include "MORV_WorkspaceChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "OptionsTestSupport.h"

namespace {

using namespace MORV_Workspace;

std::string Text(const ZQ_String& s) { return std::string(s.GetText(), s.GetLength()); }

// Checks eight valid texts in the input units in force, one replaced by Text.
int Check(int field, const std::string& text, std::string& message) {
  ZQ_String texts[MORV_NumInputFields] = {"5", "500", "20", "0", UserInputUnits == 1 ? "1000" : "29.92",
                                          "50", "2:00 pm", "1/1/2010"};
  texts[field] = ZQ_String(text.data(), static_cast<int>(text.size()));
  ZQ_String got;
  const int failed = MORV_CheckAndStoreInputs(texts, got);
  message = Text(got);
  return failed;
}

std::string Problem(const std::string& field, const std::string& rest) {
  return "There is a problem with the " + field + ".  " + rest;
}
const std::string kTimeMessage = Problem("time", "Enter the time in either 2:15pm or 14:15 format.");
const std::string kDateMessage =
    Problem("date", "Enter the date in either \"M/D/Y\" or \"May 15 2010\" format.");
const std::string kYearMessage = Problem("date", "The year must lie between 1950 and 2049.");

}  // namespace

TEST(WorkspaceChecks, NumericFieldsTakeTheirBoundsInBothUnitSystems) {
  // Fields 0-5; units 1 metric, 0 English: the bounds hold after conversion.
  const struct { int field, units; const char *atLower, *belowLower, *atUpper, *aboveUpper; } kCases[] = {
      {0, 1, "0", "-0.1", "50", "50.001"}, {0, 0, "0", "-0.001", "111.8468", "111.847"},
      {1, 1, "0", "-0.001", "3000", "3000.001"}, {1, 0, "0", "-0.001", "3000", "3000.001"},
      {2, 1, "-75", "-75.001", "70", "70.001"}, {2, 0, "-103", "-103.001", "158", "158.001"},
      {3, 1, "-20", "-20.001", "20", "20.001"}, {3, 0, "-36", "-36.001", "36", "36.001"},
      {4, 1, "500", "499.999", "1500", "1500.001"}, {4, 0, "14.765", "14.7649", "44.2949", "44.295"},
      {5, 1, "0", "-0.001", "100", "100.5"}, {5, 0, "0", "-0.001", "100", "100.001"},
  };
  for (const auto& c : kCases) {
    SavedOptions scoped;
    UserInputUnits = c.units;
    const MORV_NumericInputRule& rule = MORV_GetNumericInputRule(c.field);
    const char* const kTexts[][2] = {
        {c.atLower, ""}, {c.atUpper, ""}, {c.belowLower, "low."}, {c.aboveUpper, "high."}};
    for (const auto& t : kTexts) {
      SCOPED_TRACE(std::string(rule.Name) + (c.units == 1 ? " metric " : " English ") + t[0]);
      *rule.Option = -1234.5;
      std::string message;
      const bool isValid = !*t[1];
      EXPECT_EQ(Check(c.field, t[0], message), isValid ? -1 : c.field);
      const std::string problem = Problem(rule.Name, "The value given is unrealistically " + std::string(t[1]));
      EXPECT_EQ(message, isValid ? "" : problem);
      EXPECT_EQ(*rule.Option, isValid ? rule.InputToMetric(std::atof(t[0])) : -1234.5);
    }
  }
}

TEST(WorkspaceChecks, OtherTextsGiveAClearMessageOrAValidValue) {
  const std::string forty(40, 'x'), cut = forty + "...", page(1 << 20, '9');
  // quoted: what the not-a-number message shows; null for the other messages.
  const struct { int field, units; std::string text; const char* quoted; const char* rest; } kCases[] = {
      {5, 1, "", "", ""}, {5, 1, "nan", "nan", ""}, {5, 0, "5 ", "5 ", ""}, {5, 1, "1e309", "1e309", ""},
      {5, 1, forty, forty.c_str(), ""}, {5, 1, forty + "y", cut.c_str(), ""},
      {5, 1, page, "9999999999999999999999999999999999999999...", ""},
      {0, 1, "1e308", nullptr, "The value given is unrealistically high."},
      {4, 0, "1e308", nullptr, "The value given is unrealistically high."},  // infinite in mb
      {4, 0, "-1e308", nullptr, "The value given is unrealistically low."}, {3, 0, "-0", nullptr, ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text.substr(0, 45));
    SavedOptions scoped;
    UserInputUnits = c.units;
    const MORV_NumericInputRule& rule = MORV_GetNumericInputRule(c.field);
    *rule.Option = 42.0;
    std::string message;
    const int failed = Check(c.field, c.text, message);
    const std::string rest =
        c.quoted ? "The text \"" + std::string(c.quoted) + "\" cannot be interpreted as a number." : c.rest;
    EXPECT_EQ(message, rest.empty() ? "" : Problem(rule.Name, rest));
    EXPECT_EQ(failed, rest.empty() ? -1 : c.field);
    EXPECT_EQ(*rule.Option, rest.empty() ? 0.0 : 42.0);
    EXPECT_FALSE(std::signbit(*rule.Option));  // "-0" is stored as 0
  }
}

TEST(WorkspaceChecks, TimeAndDateAreStoredAsTypedWhenTheyParse) {
  const std::string padded = "2:00 pm" + std::string(300, ' ');
  const struct { int field; std::string text; std::string message; } kCases[] = {
      {6, "2:15pm", ""}, {6, "14:15", ""}, {6, "", kTimeMessage}, {6, "25:00", kTimeMessage},
      {6, "noon", kTimeMessage}, {6, padded, kTimeMessage}, {7, "7/4/2009", ""}, {7, "May 15 2010", ""},
      {7, "1/1/1950", ""}, {7, "12/31/2049", ""}, {7, "", kDateMessage}, {7, "31/31/2010", kDateMessage},
      {7, "2/30/2010", kDateMessage}, {7, "12/31/1949", kYearMessage}, {7, "1/1/2100", kYearMessage},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    SavedOptions scoped;
    const std::string before = Text(c.field == MORV_InputField_Time ? Time : Date);
    std::string message;
    EXPECT_EQ(Check(c.field, c.text, message), c.message.empty() ? -1 : c.field);
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(Text(c.field == MORV_InputField_Time ? Time : Date), c.message.empty() ? c.text : before);
  }
}

TEST(WorkspaceChecks, TheLastFailureWinsAndEveryValidFieldIsStored) {
  SavedOptions scoped;
  UserInputUnits = 0;
  ZQ_String texts[MORV_NumInputFields] = {"abc", "800", "86", "0", "29.92", "40", "14:15", "31/31/2010"};
  WindSpeed_MperS = 3.0;
  ZQ_String message;
  EXPECT_EQ(MORV_CheckAndStoreInputs(texts, message), MORV_InputField_Date);
  EXPECT_EQ(Text(message), kDateMessage);
  EXPECT_EQ(DescribeOptions().substr(0, 51), "3 800 30 0 1013.2078880000001 40 [14:15] [1/1/2010]");
  texts[MORV_InputField_Date] = "5/15/2010";
  EXPECT_EQ(MORV_CheckAndStoreInputs(texts, message), MORV_InputField_WindSpeed);
  EXPECT_EQ(Text(message), Problem("wind speed", "The text \"abc\" cannot be interpreted as a number."));
  EXPECT_EQ(Text(Date), "5/15/2010");
}
