// Compares the model with an independent implementation of the same equations
// (tests/model/reference, in Python with explicit 32-bit rounding) on 10000
// seeded cases over the application's input ranges: return codes and which
// outputs fail must agree exactly, temperatures and speeds to 0.002. The
// solvers' iteration counts must agree exactly too: the stopping test sits on
// a 0.02 K threshold, so a wrong constant or a value kept at the wrong precision
// moves some counts long before it moves a result by 0.002.
#include "MORV_Model.h"
#include "MORV_ModelInstrumentation.h"
#include "ZQ_FatalError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr float kUnwritten = 12345.0f;  // preset of output 18, never a model value

struct ReferenceCase {
  int year, month, day, hour, minute, gmtOffset, averagingAdjustment;
  float latitude, longitude, solar, pressure, airTemperature, humidity, speed, height, deltaT;
  int urban;
  int result;
  float outputs[5];  // 2 m speed (kUnwritten when not written), globe, nwb, pwb, wbgt
  int iterations[3];  // globe, natural and psychrometric wet bulb solvers; 0 when not run
  std::string line;
};

// Inputs are printed as round-tripping 32-bit values: read them back with strtof.
bool ParseCase(const char* text, ReferenceCase* c) {
  c->line = text;
  char* p = const_cast<char*>(text);
  auto integer = [&p]() { return static_cast<int>(std::strtol(p, &p, 10)); };
  auto single = [&p]() { return std::strtof(p, &p); };
  c->year = integer(); c->month = integer(); c->day = integer(); c->hour = integer();
  c->minute = integer(); c->gmtOffset = integer(); c->averagingAdjustment = integer();
  c->latitude = single(); c->longitude = single(); c->solar = single(); c->pressure = single();
  c->airTemperature = single(); c->humidity = single(); c->speed = single();
  c->height = single(); c->deltaT = single(); c->urban = integer();
  p = std::strchr(p, '|');
  if (!p) return false;
  ++p;
  c->result = integer();
  while (*p == ' ') ++p;
  if (std::strncmp(p, "unwritten", 9) == 0) {
    c->outputs[0] = kUnwritten;
    p += 9;
  } else {
    c->outputs[0] = single();
  }
  for (int i = 1; i < 5; ++i) c->outputs[i] = single();
  p = std::strchr(p, '|');
  if (!p) return false;
  ++p;
  for (int i = 0; i < 3; ++i) c->iterations[i] = integer();
  return true;
}

std::vector<ReferenceCase> LoadCases() {
  std::vector<ReferenceCase> cases;
  FILE* file = std::fopen(ZQ_MODEL_TEST_DATA "/morv_vectors.txt", "r");
  if (!file) return cases;
  char buffer[1024];
  while (std::fgets(buffer, sizeof buffer, file)) {
    if (buffer[0] == '#') continue;
    ReferenceCase c;
    if (ParseCase(buffer, &c)) cases.push_back(c);
  }
  std::fclose(file);
  return cases;
}

}  // namespace

// The running program turns maths-library errors into a fatal-error report; the
// model must never raise one, even where a balance goes to NaN (about 1.6 % of
// these cases). A report here ends the test process with exit code 1.
class MathErrorsReported : public testing::Test {
 protected:
  void SetUp() override {
    m_previousBox = ZQ_SetFatalErrorBoxFunction([](const char*, const char*) {});
    ZQ_EnableMathErrorReporting();
  }
  void TearDown() override {
    ZQ_DisableMathErrorReporting();
    ZQ_SetFatalErrorBoxFunction(m_previousBox);
  }

 private:
  ZQ_FatalErrorBoxFunction m_previousBox = nullptr;
};

TEST_F(MathErrorsReported, ModelAgreesWithTheIndependentImplementationOnTenThousandCases) {
  const std::vector<ReferenceCase> cases = LoadCases();
  ASSERT_EQ(cases.size(), 10000u) << "missing or damaged " ZQ_MODEL_TEST_DATA "/morv_vectors.txt";

  static const char* const kNames[5] = {"2 m speed", "globe", "natural wet bulb",
                                        "psychrometric wet bulb", "wet bulb globe"};
  int mismatches = 0;
  for (const ReferenceCase& c : cases) {
    float out[5] = {kUnwritten, MORV_FailureValue, MORV_FailureValue, MORV_FailureValue,
                    MORV_FailureValue};
    MORV_ModelInstrumentation::SolverIterations n;
    const int result = MORV_ModelInstrumentation::CalculateCountingIterations(
        c.year, c.month, c.day, c.hour, c.minute, c.gmtOffset, c.averagingAdjustment, c.latitude,
        c.longitude, c.solar, c.pressure, c.airTemperature, c.humidity, c.speed, c.height,
        c.deltaT, c.urban, &out[0], &out[1], &out[2], &out[3], &out[4], &n);
    float publicOut[5] = {kUnwritten, MORV_FailureValue, MORV_FailureValue, MORV_FailureValue,
                          MORV_FailureValue};
    const int publicResult = CalculateMORV(
        c.year, c.month, c.day, c.hour, c.minute, c.gmtOffset, c.averagingAdjustment, c.latitude,
        c.longitude, c.solar, c.pressure, c.airTemperature, c.humidity, c.speed, c.height,
        c.deltaT, c.urban, &publicOut[0], &publicOut[1], &publicOut[2], &publicOut[3], &publicOut[4]);
    std::string problems;
    if (result != c.result) problems += " result " + std::to_string(result);
    if (publicResult != result || std::memcmp(publicOut, out, sizeof out) != 0)
      problems += " (the public entry differs from the counting one)";
    const int counts[3] = {n.globe, n.naturalWetBulb, n.psychrometricWetBulb};
    for (int i = 0; i < 3; ++i) {
      if (counts[i] != c.iterations[i])
        problems += " iterations of solver " + std::to_string(i) + ": " + std::to_string(counts[i]);
    }
    for (int i = 0; i < 5; ++i) {
      const float want = c.outputs[i];
      const bool exactOnly = want == kUnwritten || want == MORV_FailureValue ||
                             out[i] == kUnwritten || out[i] == MORV_FailureValue;
      const bool agrees = exactOnly ? out[i] == want : std::fabs(out[i] - want) <= 0.002f;
      if (!agrees) problems += std::string(" ") + kNames[i] + " " + std::to_string(out[i]);
    }
    if (!problems.empty() && ++mismatches <= 20)
      ADD_FAILURE() << "case: " << c.line << "ours:" << problems;
  }
  EXPECT_EQ(mismatches, 0);
}
