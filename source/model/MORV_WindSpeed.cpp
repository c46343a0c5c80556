// Atmospheric stability class and the power-law estimate of the 2 m wind speed.
#include "MORV_Model.h"
#include "MORV_ModelMath.h"

#include <cmath>

namespace {

// Rows: speed bands; columns 0-3 day (by irradiance), 5-6 night (by the
// 10 m - 2 m temperature difference). Columns 4 and 7 are never selected.
constexpr int kStabilityTable[5][8] = {
    {1, 1, 2, 4, 0, 5, 6, 0},
    {1, 2, 3, 4, 0, 5, 6, 0},
    {2, 2, 3, 4, 0, 4, 4, 0},
    {3, 3, 4, 4, 0, 0, 0, 0},
    {3, 4, 4, 4, 0, 0, 0, 0},
};

// Power-law exponents by class 1..6.
constexpr float kUrbanExponent[6] = {0.15f, 0.15f, 0.20f, 0.25f, 0.30f, 0.30f};
constexpr float kRuralExponent[6] = {0.07f, 0.07f, 0.10f, 0.15f, 0.35f, 0.55f};

}  // namespace

int ComputeStabilityClass(int daytime, double speed, double solar, double deltaTemperature) {
  const float u = static_cast<float>(speed);
  const float s = static_cast<float>(solar);
  const float dT = static_cast<float>(deltaTemperature);
  int row, column;
  // Every band is closed at its lower bound.
  if (daytime) {
    column = s >= 925.0f ? 0 : s >= 675.0f ? 1 : s >= 175.0f ? 2 : 3;
    row = u >= 6.0f ? 4 : u >= 5.0f ? 3 : u >= 3.0f ? 2 : u >= 2.0f ? 1 : 0;
  } else {
    column = dT >= 0.0f ? 6 : 5;
    row = u >= 2.5f ? 2 : u >= 2.0f ? 1 : 0;
  }
  return kStabilityTable[row][column];
}

float EstimateWindSpeedAt2m(double speed, double height, int stabilityClass, int urban) {
  const float u = static_cast<float>(speed);
  const float z = static_cast<float>(height);
  // The class comes from ComputeStabilityClass (1..6); keep any other value
  // inside the table rather than read beyond it.
  const int index = stabilityClass < 1 ? 0 : stabilityClass > 6 ? 5 : stabilityClass - 1;
  const float exponent = urban ? kUrbanExponent[index] : kRuralExponent[index];
  const float estimate = static_cast<float>(u * MORV_ModelMath::Power(2.0 / z, static_cast<double>(exponent)));
  return estimate <= 0.13 ? 0.13f : estimate;
}
