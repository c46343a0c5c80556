// Times CalculateMORV on a fixed, seeded set of realistic measurements and
// reports calls per second, the mean time per call and the mean solver
// iterations. Usage: ModelBenchmark [cases] [repetitions]
#include "MORV_Model.h"
#include "MORV_ModelInstrumentation.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Measurement {
  int year, month, day, hour, minute, gmtOffset, averagingAdjustment;
  float latitude, longitude, solar, pressure, airTemperature, humidity, speed, height, deltaT;
  int urban;
};

// A small generator of our own, so that the set is the same on every run and
// with every runtime library.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed) : m_state(seed) {}
  double Uniform(double low, double high) {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 7;
    m_state ^= m_state << 17;
    return low + (high - low) * (static_cast<double>(m_state >> 11) / 9007199254740992.0);
  }
  int Integer(int low, int high) { return low + static_cast<int>(Uniform(0.0, high - low + 1 - 1e-9)); }

 private:
  std::uint64_t m_state;
};

std::vector<Measurement> MakeMeasurements(int count) {
  static const int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  SeededRandom random(0x5EED2026ULL);
  std::vector<Measurement> set(count);
  for (Measurement& m : set) {
    m.year = random.Integer(1990, 2040);
    m.month = random.Integer(1, 12);
    m.day = random.Integer(1, kDaysInMonth[m.month - 1]);
    m.hour = random.Integer(0, 23);
    m.minute = random.Integer(0, 59);
    m.longitude = static_cast<float>(random.Uniform(-180.0, 180.0));
    m.gmtOffset = static_cast<int>(m.longitude / 15.0f);
    m.averagingAdjustment = random.Uniform(0, 1) < 0.5 ? 0 : 60;
    m.latitude = static_cast<float>(random.Uniform(-60.0, 70.0));
    m.solar = static_cast<float>(random.Uniform(0.1, 1100.0));
    m.pressure = static_cast<float>(random.Uniform(950.0, 1040.0));
    m.airTemperature = static_cast<float>(random.Uniform(0.0, 45.0));
    m.humidity = static_cast<float>(random.Uniform(10.0, 100.0));
    m.speed = static_cast<float>(random.Uniform(0.0, 10.0));
    m.height = random.Uniform(0, 1) < 0.5 ? 2.0f : 10.0f;
    m.deltaT = static_cast<float>(random.Uniform(-2.0, 2.0));
    m.urban = random.Integer(0, 1);
  }
  return set;
}

int Calculate(const Measurement& m, MORV_ModelInstrumentation::SolverIterations* iterations,
              float* wbgt) {
  float speed2m = -9999.0f, globe = -9999.0f, nwb = -9999.0f, pwb = -9999.0f;
  *wbgt = -9999.0f;
  return MORV_ModelInstrumentation::CalculateCountingIterations(
      m.year, m.month, m.day, m.hour, m.minute, m.gmtOffset, m.averagingAdjustment, m.latitude,
      m.longitude, m.solar, m.pressure, m.airTemperature, m.humidity, m.speed, m.height, m.deltaT,
      m.urban, &speed2m, &globe, &nwb, &pwb, wbgt, iterations);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int repetitions = argc > 2 ? std::atoi(argv[2]) : 3;
  if (count < 1 || repetitions < 1) {
    std::fprintf(stderr, "usage: ModelBenchmark [cases >= 1] [repetitions >= 1]\n");
    return 2;
  }
  const std::vector<Measurement> set = MakeMeasurements(count);

  // Iteration counts and failures, from one untimed pass.
  long long globeIterations = 0, naturalIterations = 0, psychroIterations = 0;
  int failures = 0;
  float wbgt;
  for (const Measurement& m : set) {
    MORV_ModelInstrumentation::SolverIterations iterations;
    if (Calculate(m, &iterations, &wbgt) != 0) ++failures;
    globeIterations += iterations.globe;
    naturalIterations += iterations.naturalWetBulb;
    psychroIterations += iterations.psychrometricWetBulb;
  }

  // Timed passes through the public entry; the best one is reported.
  double bestSeconds = 1e300;
  double checksum = 0.0;
  for (int r = 0; r < repetitions; ++r) {
    const auto begin = std::chrono::steady_clock::now();
    for (const Measurement& m : set) {
      float speed2m = -9999.0f, globe = -9999.0f, nwb = -9999.0f, pwb = -9999.0f, result = -9999.0f;
      CalculateMORV(m.year, m.month, m.day, m.hour, m.minute, m.gmtOffset, m.averagingAdjustment,
                    m.latitude, m.longitude, m.solar, m.pressure, m.airTemperature, m.humidity,
                    m.speed, m.height, m.deltaT, m.urban, &speed2m, &globe, &nwb, &pwb, &result);
      checksum += result;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    if (seconds < bestSeconds) bestSeconds = seconds;
  }

  std::printf("CalculateMORV benchmark: %d measurements, best of %d passes\n", count, repetitions);
  std::printf("  calls per second:        %.0f\n", count / bestSeconds);
  std::printf("  mean time per call:      %.2f us\n", bestSeconds / count * 1e6);
  std::printf("  mean solver iterations:  globe %.2f, natural wet bulb %.2f, psychrometric %.2f\n",
              static_cast<double>(globeIterations) / count,
              static_cast<double>(naturalIterations) / count,
              static_cast<double>(psychroIterations) / count);
  std::printf("  failed computations:     %d\n", failures);
  std::printf("  checksum:                %.3f\n", checksum / repetitions);
  return 0;
}
