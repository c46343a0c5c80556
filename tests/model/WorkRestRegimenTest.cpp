#include "MORV_HeatGuidance.h"

#include "AssertionCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const ZQ_String& s) { return std::string(s.GetText(), s.GetLength()); }

}  // namespace

TEST(CalculateOSHAWorkRegimen, EachLimitBelongsToItsOwnRegimen) {
  const struct { double fahrenheit; int load; int want; const char* why; } kCases[] = {
      // light: 86, 87, 89, 90
      {-9999.0, 0, 0, "light, failure value of the model"},
      {86.0, 0, 0, "light at 86"},
      {86.01, 0, 1, "light just above 86"},
      {87.0, 0, 1, "light at 87"},
      {87.01, 0, 2, "light just above 87"},
      {89.0, 0, 2, "light at 89"},
      {89.01, 0, 3, "light just above 89"},
      {90.0, 0, 3, "light at 90"},
      {90.01, 0, 4, "light just above 90"},
      // moderate: 80, 82, 85, 88
      {80.0, 1, 0, "moderate at 80"},
      {80.01, 1, 1, "moderate just above 80"},
      {82.0, 1, 1, "moderate at 82"},
      {82.01, 1, 2, "moderate just above 82"},
      {85.0, 1, 2, "moderate at 85"},
      {85.01, 1, 3, "moderate just above 85"},
      {88.0, 1, 3, "moderate at 88"},
      {88.01, 1, 4, "moderate just above 88"},
      // heavy: 77, 78, 82, 86
      {77.0, 2, 0, "heavy at 77"},
      {77.01, 2, 1, "heavy just above 77"},
      {78.0, 2, 1, "heavy at 78"},
      {78.01, 2, 2, "heavy just above 78"},
      {82.0, 2, 2, "heavy at 82"},
      {82.01, 2, 3, "heavy just above 82"},
      {86.0, 2, 3, "heavy at 86"},
      {86.5, 2, 4, "heavy at 86.5"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(CalculateOSHAWorkRegimen(c.fahrenheit, c.load), c.want);
  }
}

TEST(GetOSHAWorkLoadName, NamesTheThreeLoads) {
  const char* const kNames[3] = {"light", "moderate", "heavy"};
  for (int load = 0; load < 3; ++load) EXPECT_EQ(Text(GetOSHAWorkLoadName(load)), kNames[load]);
}

TEST(GetOSHAWorkRegimenName, AppendsTheLoadToTheRegimenText) {
  const struct { int regimen, load; const char* want; } kCases[] = {
      {0, 0, "continuous work  (light work load)"},
      {1, 0, "75% work, 25% rest  (light work load)"},
      {2, 1, "50% work, 50% rest  (moderate work load)"},
      {3, 2, "25% work, 75% rest  (heavy work load)"},
      {4, 2, "highest permissible heat exposure threshold limit exceeded  (heavy work load)"},
      // Not asserted: an unknown regimen has no text of its own.
      {5, 0, "  (light work load)"},
      {-1, 1, "  (moderate work load)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(Text(GetOSHAWorkRegimenName(c.regimen, c.load)), c.want);
  }
}

TEST(OSHAWorkRegimen, RejectsLoadsOutsideTheTable) {
  const std::string kFalse = AssertionMessagePrefix("false");
  for (int load : {-1, 3}) {
    SCOPED_TRACE(load);
    EXPECT_EQ(FailedAssertionMessage([load] { CalculateOSHAWorkRegimen(95.0, load); })
                  .compare(0, kFalse.size(), kFalse), 0);
    EXPECT_EQ(FailedAssertionMessage([load] { GetOSHAWorkLoadName(load); })
                  .compare(0, kFalse.size(), kFalse), 0);
    EXPECT_EQ(FailedAssertionMessage([load] { GetOSHAWorkRegimenName(0, load); })
                  .compare(0, kFalse.size(), kFalse), 0);
    AssertionModeScope ignoring(0);
    EXPECT_EQ(CalculateOSHAWorkRegimen(95.0, load), 0);
    EXPECT_EQ(Text(GetOSHAWorkLoadName(load)), "");
    EXPECT_EQ(Text(GetOSHAWorkRegimenName(0, load)), "continuous work  ( work load)");
  }
}
