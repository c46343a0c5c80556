#include "MORV_HeatGuidance.h"

#include "AssertionCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const ZQ_String& s) { return std::string(s.GetText(), s.GetLength()); }

const char* const kLoadNames[3] = {"easy", "moderate", "hard"};

}  // namespace

TEST(CalculateArmyHeatCategory, BandsIncludeTheirLowerBound) {
  const struct { double fahrenheit; int want; const char* why; } kCases[] = {
      {-9999.0, 0, "failure value of the model"},
      {77.99, 0, "just below the first bound"},
      {78.0, 1, "first bound"},
      {81.99, 1, "just below 82"},
      {82.0, 2, "82"},
      {84.99, 2, "just below 85"},
      {85.0, 3, "85"},
      {87.99, 3, "just below 88"},
      {88.0, 4, "88"},
      {89.99, 4, "just below 90"},
      {90.0, 5, "90"},
      {130.0, 5, "far above"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(CalculateArmyHeatCategory(c.fahrenheit), c.want);
  }
}

TEST(GetArmyHeatCategoryName, NamesEachCategoryWithTwoBlanksBeforeItsColour) {
  const char* const kNames[6] = {"0", "1", "2  (Green)", "3  (Yellow)", "4  (Red)", "5  (Black)"};
  for (int category = 0; category < 6; ++category) {
    SCOPED_TRACE(category);
    EXPECT_EQ(Text(GetArmyHeatCategoryName(category)), kNames[category]);
  }
  EXPECT_EQ(Text(GetArmyHeatCategoryName(CalculateArmyHeatCategory(77.99))), "0");
}

TEST(GetArmyWorkLoadName, NamesTheThreeLoads) {
  for (int load = 0; load < 3; ++load) EXPECT_EQ(Text(GetArmyWorkLoadName(load)), kLoadNames[load]);
}

TEST(GetArmyWorkRestDescription, GivesWorkAndRestMinutesOrNoLimit) {
  const char* const kWant[6][3] = {
      {"no limit", "no limit", "no limit"}, {"no limit", "no limit", "40/20"},
      {"no limit", "50/10", "30/30"},       {"no limit", "40/20", "30/30"},
      {"no limit", "30/30", "20/40"},       {"50/10", "20/40", "10/50"},
  };
  for (int category = 0; category < 6; ++category)
    for (int load = 0; load < 3; ++load) {
      SCOPED_TRACE(std::to_string(category) + " " + kLoadNames[load]);
      EXPECT_EQ(Text(GetArmyWorkRestDescription(category, load)), kWant[category][load]);
    }
}

TEST(GetArmyWaterIntakeDescription, GivesQuartsPerHour) {
  const char* const kWant[6][3] = {
      {"1/2", "3/4", "3/4"}, {"1/2", "3/4", "3/4"}, {"1/2", "3/4", "1"},
      {"3/4", "3/4", "1"},   {"3/4", "3/4", "1"},   {"1", "1", "1"},
  };
  for (int category = 0; category < 6; ++category)
    for (int load = 0; load < 3; ++load) {
      SCOPED_TRACE(std::to_string(category) + " " + kLoadNames[load]);
      EXPECT_EQ(Text(GetArmyWaterIntakeDescription(category, load)), kWant[category][load]);
    }
}

TEST(ArmyHeatGuidance, RejectsCategoriesAndLoadsOutsideTheTables) {
  const std::string kFalse = AssertionMessagePrefix("false");
  const std::string kMinutes = AssertionMessagePrefix(
      "MinutesWorkAllowedPerHour > 0 and MinutesWorkAllowedPerHour <= 60");
  const struct { ZQ_String (*call)(); const std::string& prefix; const char* why; } kCases[] = {
      {[] { return GetArmyHeatCategoryName(-1); }, kFalse, "category -1"},
      {[] { return GetArmyHeatCategoryName(6); }, kFalse, "category 6"},
      {[] { return GetArmyWorkLoadName(-1); }, kFalse, "load -1"},
      {[] { return GetArmyWorkLoadName(3); }, kFalse, "load 3"},
      {[] { return GetArmyWaterIntakeDescription(6, 0); }, kFalse, "water, category 6"},
      {[] { return GetArmyWaterIntakeDescription(-1, 0); }, kFalse, "water, category -1"},
      {[] { return GetArmyWaterIntakeDescription(0, 3); }, kFalse, "water, load 3"},
      {[] { return GetArmyWaterIntakeDescription(0, -1); }, kFalse, "water, load -1"},
      {[] { return GetArmyWorkRestDescription(6, 0); }, kMinutes, "work/rest, category 6"},
      {[] { return GetArmyWorkRestDescription(-1, 2); }, kMinutes, "work/rest, category -1"},
      {[] { return GetArmyWorkRestDescription(0, 3); }, kMinutes, "work/rest, load 3"},
      {[] { return GetArmyWorkRestDescription(5, -1); }, kMinutes, "work/rest, load -1"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(FailedAssertionMessage(c.call).compare(0, c.prefix.size(), c.prefix), 0)
        << FailedAssertionMessage(c.call);
    AssertionModeScope ignoring(0);
    EXPECT_EQ(Text(c.call()), "");
  }
}
