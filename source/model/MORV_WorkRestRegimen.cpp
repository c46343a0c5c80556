#include "MORV_HeatGuidance.h"

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

namespace {

constexpr int kNumLoads = 3;
constexpr int kNumRegimens = 5;
constexpr int kLastLimitedRegimen = 3;

// Upper limits (degrees F, inclusive) of regimens 0 to 3, by load.
constexpr double kUpperLimits[kNumLoads][kLastLimitedRegimen + 1] = {
    {86.0, 87.0, 89.0, 90.0},  // light
    {80.0, 82.0, 85.0, 88.0},  // moderate
    {77.0, 78.0, 82.0, 86.0},  // heavy
};

const char* const kLoadNames[kNumLoads] = {"light", "moderate", "heavy"};

const char* const kRegimenTexts[kNumRegimens] = {
    "continuous work", "75% work, 25% rest", "50% work, 50% rest", "25% work, 75% rest",
    "highest permissible heat exposure threshold limit exceeded"};

bool IsLoad(int load) { return load >= 0 && load < kNumLoads; }

}  // namespace

int CalculateOSHAWorkRegimen(double temperature, int load) {
  ZQ_TRACE_FUNCTION("CalculateOSHAWorkRegimen");
  if (!IsLoad(load)) {
    ZQ_ASSERT(false);
    return 0;
  }
  for (int regimen = 0; regimen <= kLastLimitedRegimen; ++regimen)
    if (temperature <= kUpperLimits[load][regimen]) return regimen;
  return kLastLimitedRegimen + 1;
}

ZQ_String GetOSHAWorkLoadName(int load) {
  ZQ_TRACE_FUNCTION("GetOSHAWorkLoadName");
  if (!IsLoad(load)) {
    ZQ_ASSERT(false);
    return ZQ_String();
  }
  return ZQ_String(kLoadNames[load]);
}

ZQ_String GetOSHAWorkRegimenName(int regimen, int load) {
  ZQ_TRACE_FUNCTION("GetOSHAWorkRegimenName");
  ZQ_String name;
  if (regimen >= 0 && regimen < kNumRegimens) name = kRegimenTexts[regimen];
  name += "  (";
  name += GetOSHAWorkLoadName(load);
  name += " work load)";
  return name;
}
