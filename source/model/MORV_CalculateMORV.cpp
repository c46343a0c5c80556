// The model entry: orders the steps and applies the failure rule.
#include "MORV_Model.h"
#include "MORV_ModelInstrumentation.h"

#include <cmath>

namespace {

// A wind measured at no height, or a value that is no number, has no meaning
// to the model: the solvers would take a NaN speed for calm air and return a
// plausible but wrong temperature.
bool AreInputsUsable(float latitude, float longitude, float solar, float pressure,
                     float airTemperature, float relativeHumidity, float speed,
                     float windHeight, float deltaTemperature) {
  return std::isfinite(latitude) && std::isfinite(longitude) && std::isfinite(solar) &&
         std::isfinite(pressure) && std::isfinite(airTemperature) &&
         std::isfinite(relativeHumidity) && std::isfinite(speed) && std::isfinite(windHeight) &&
         std::isfinite(deltaTemperature) && windHeight > 0.0f;
}

// The whole-call failure: outputs 19-22 at the failure value, output 18 left
// as it was.
int Refuse(float* globeTemperature, float* naturalWetBulbTemperature,
           float* psychrometricWetBulbTemperature, float* wetBulbGlobeTemperature) {
  *globeTemperature = MORV_FailureValue;
  *naturalWetBulbTemperature = MORV_FailureValue;
  *psychrometricWetBulbTemperature = MORV_FailureValue;
  *wetBulbGlobeTemperature = MORV_FailureValue;
  return -1;
}

}  // namespace

int CalculateMORV(int year, int month, int day, int hour, int minute, int gmtOffset,
                  int averagingAdjustment, float latitude, float longitude, float solar,
                  float pressure, float airTemperature, float relativeHumidity, float speed,
                  float windHeight, float deltaTemperature, int urban,
                  float* estimatedSpeed2m, float* globeTemperature,
                  float* naturalWetBulbTemperature, float* psychrometricWetBulbTemperature,
                  float* wetBulbGlobeTemperature) {
  return MORV_ModelInstrumentation::CalculateCountingIterations(
      year, month, day, hour, minute, gmtOffset, averagingAdjustment, latitude, longitude, solar,
      pressure, airTemperature, relativeHumidity, speed, windHeight, deltaTemperature, urban,
      estimatedSpeed2m, globeTemperature, naturalWetBulbTemperature,
      psychrometricWetBulbTemperature, wetBulbGlobeTemperature, nullptr);
}

int MORV_ModelInstrumentation::CalculateCountingIterations(
    int year, int month, int day, int hour, int minute, int gmtOffset, int averagingAdjustment,
    float latitude, float longitude, float solar, float pressure, float airTemperature,
    float relativeHumidity, float speed, float windHeight, float deltaTemperature, int urban,
    float* estimatedSpeed2m, float* globeTemperature, float* naturalWetBulbTemperature,
    float* psychrometricWetBulbTemperature, float* wetBulbGlobeTemperature,
    SolverIterations* iterations) {
  SolverIterations ignored;
  if (!iterations) iterations = &ignored;
  *iterations = SolverIterations();
  if (!AreInputsUsable(latitude, longitude, solar, pressure, airTemperature, relativeHumidity,
                       speed, windHeight, deltaTemperature))
    return Refuse(globeTemperature, naturalWetBulbTemperature, psychrometricWetBulbTemperature,
                  wetBulbGlobeTemperature);
  // Universal time of the middle of the measurement; it may leave 0..24, and the
  // day value absorbs the overflow (the solar position accepts days 0..33).
  const double universalHour = (hour - gmtOffset) + (minute - 0.5 * averagingAdjustment) / 60.0;
  const double dayValue = day + universalHour / 24.0;

  float cosZenith = 0.0f;
  float directFraction = 0.0f;
  if (ComputeSolarIrradianceSplit(year, month, dayValue, latitude, longitude, &solar, &cosZenith,
                                  &directFraction) != 0)
    return Refuse(globeTemperature, naturalWetBulbTemperature, psychrometricWetBulbTemperature,
                  wetBulbGlobeTemperature);

  if (windHeight != 2.0f) {
    const int daytime = cosZenith > 0.0f;
    const int stabilityClass = ComputeStabilityClass(daytime, speed, solar, deltaTemperature);
    speed = EstimateWindSpeedAt2m(speed, windHeight, stabilityClass, urban);
    // A huge speed measured far below 2 m scales beyond the float range.
    if (!std::isfinite(speed))
      return Refuse(globeTemperature, naturalWetBulbTemperature, psychrometricWetBulbTemperature,
                    wetBulbGlobeTemperature);
    *estimatedSpeed2m = speed;
  }

  const float airKelvin = static_cast<float>(airTemperature + 273.15);
  const float humidity = static_cast<float>(0.01 * relativeHumidity);

  const float globe = ComputeGlobeTemperature(airKelvin, humidity, pressure, speed, solar,
                                              directFraction, cosZenith, &iterations->globe);
  const float naturalWetBulb =
      ComputeWetBulbTemperature(airKelvin, humidity, pressure, speed, solar, directFraction,
                                cosZenith, 1, &iterations->naturalWetBulb);
  const float psychrometricWetBulb =
      ComputeWetBulbTemperature(airKelvin, humidity, pressure, speed, solar, directFraction,
                                cosZenith, 0, &iterations->psychrometricWetBulb);
  *globeTemperature = globe;
  *naturalWetBulbTemperature = naturalWetBulb;
  *psychrometricWetBulbTemperature = psychrometricWetBulb;

  if (globe == MORV_FailureValue || naturalWetBulb == MORV_FailureValue) {
    *wetBulbGlobeTemperature = MORV_FailureValue;
    return -1;
  }
  *wetBulbGlobeTemperature =
      static_cast<float>(0.1 * airTemperature + 0.2 * globe + 0.7 * naturalWetBulb);
  return 0;
}
