#include "MORV_HeatGuidance.h"

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

#include <cstdio>

namespace {

constexpr int kNumCategories = 6;
constexpr int kNumLoads = 3;

// Lower bounds (degrees F) of categories 1 to 5.
constexpr double kCategoryLowerBounds[kNumCategories - 1] = {78.0, 82.0, 85.0, 88.0, 90.0};

const char* const kCategoryNames[kNumCategories] = {
    "0", "1", "2  (Green)", "3  (Yellow)", "4  (Red)", "5  (Black)"};

const char* const kLoadNames[kNumLoads] = {"easy", "moderate", "hard"};

// Minutes of work allowed per hour, by category and load.
constexpr int kMinutesOfWork[kNumCategories][kNumLoads] = {
    {60, 60, 60}, {60, 60, 40}, {60, 50, 30}, {60, 40, 30}, {60, 30, 20}, {50, 20, 10}};

// Water per hour in quarts, by category and load.
const char* const kWaterIntake[kNumCategories][kNumLoads] = {
    {"1/2", "3/4", "3/4"}, {"1/2", "3/4", "3/4"}, {"1/2", "3/4", "1"},
    {"3/4", "3/4", "1"},   {"3/4", "3/4", "1"},   {"1", "1", "1"}};

bool IsCategory(int category) { return category >= 0 && category < kNumCategories; }
bool IsLoad(int load) { return load >= 0 && load < kNumLoads; }

}  // namespace

int CalculateArmyHeatCategory(double temperature) {
  int category = 0;
  while (category < kNumCategories - 1 && temperature >= kCategoryLowerBounds[category])
    ++category;
  return category;
}

ZQ_String GetArmyHeatCategoryName(int category) {
  ZQ_TRACE_FUNCTION("GetArmyHeatCategoryName");
  if (!IsCategory(category)) {
    ZQ_ASSERT(false);
    return ZQ_String();
  }
  return ZQ_String(kCategoryNames[category]);
}

ZQ_String GetArmyWorkLoadName(int load) {
  ZQ_TRACE_FUNCTION("GetArmyWorkLoadName");
  if (!IsLoad(load)) {
    ZQ_ASSERT(false);
    return ZQ_String();
  }
  return ZQ_String(kLoadNames[load]);
}

ZQ_String GetArmyWorkRestDescription(int category, int load) {
  ZQ_TRACE_FUNCTION("GetArmyWorkRestDescription");
  const int MinutesWorkAllowedPerHour =
      IsCategory(category) && IsLoad(load) ? kMinutesOfWork[category][load] : 0;
  ZQ_ASSERT(MinutesWorkAllowedPerHour > 0 and MinutesWorkAllowedPerHour <= 60);
  if (MinutesWorkAllowedPerHour <= 0 || MinutesWorkAllowedPerHour > 60) return ZQ_String();
  if (MinutesWorkAllowedPerHour == 60) return ZQ_String("no limit");
  char text[16];
  std::snprintf(text, sizeof text, "%d/%d", MinutesWorkAllowedPerHour,
                60 - MinutesWorkAllowedPerHour);
  return ZQ_String(text);
}

ZQ_String GetArmyWaterIntakeDescription(int category, int load) {
  ZQ_TRACE_FUNCTION("GetArmyWaterIntakeDescription");
  if (!IsCategory(category) || !IsLoad(load)) {
    ZQ_ASSERT(false);
    return ZQ_String();
  }
  return ZQ_String(kWaterIntake[category][load]);
}
