// Energy-balance solvers of a 2-inch black globe and of a wetted wick. Both
// evaluate the balance at the current estimate, stop when the new temperature
// differs from it by less than 0.02 K, and otherwise move the estimate a tenth
// of the way towards the new temperature. Working values are stored as 32-bit
// floats; the arithmetic between them is done in double.
#include "MORV_AirConstants.h"
#include "MORV_AirProperties.h"
#include "MORV_Model.h"
#include "MORV_ModelMath.h"

#include <cmath>

using namespace MORV_AirConstants;

namespace {

constexpr int kIterationLimit = 50;
constexpr double kTolerance = 0.02;

constexpr double kGlobeDiameter = 0.0508;  // m
constexpr double kWickDiameter = 0.007;    // m
constexpr double kWickLength = 0.0254;     // m
constexpr double kEmissivity = 0.95;       // globe and wick
constexpr double kGlobeAbsorptivity = 0.95;
constexpr double kWickAbsorptivity = 0.6;
constexpr double kSurfaceEmissivity = 0.999;
constexpr double kSurfaceAlbedo = 0.45;

// The solvers' arguments, reduced to 32-bit floats on entry.
struct SolverInputs {
  SolverInputs(double t, double rh, double p, double u, double s, double fdir, double cza)
      : airTemperature(static_cast<float>(t)), humidity(static_cast<float>(rh)),
        pressure(static_cast<float>(p)), speed(static_cast<float>(u)), solar(static_cast<float>(s)),
        directFraction(static_cast<float>(fdir)), cosZenith(static_cast<float>(cza)) {}
  float airTemperature, humidity, pressure, speed, solar, directFraction, cosZenith;
};

double FourthPower(double x) {
  const double square = x * x;
  return square * square;
}

// Mean long-wave exitance (over sigma) of the sky and of the ground, which is
// taken to be at air temperature; it does not depend on the estimate.
double LongWaveFromSkyAndGround(float airTemperature, float humidity) {
  const float emissivity = ComputeAtmosphericEmissivity(airTemperature, humidity);
  const double t4 = FourthPower(airTemperature);
  return 0.5 * (emissivity * t4 + kSurfaceEmissivity * t4);
}

// The relaxation and the stopping rule common to both solvers. `balance`
// yields the new temperature for the current estimate and the reference
// temperature of the air properties.
template <class Balance>
float Solve(float airTemperature, float start, int* iterations, Balance balance) {
  float estimate = start;
  float newTemperature = start;
  int count = 0;
  bool settled = false;
  while (!settled) {
    ++count;
    const float reference = static_cast<float>(0.5 * (static_cast<double>(estimate) + airTemperature));
    newTemperature = balance(estimate, reference);
    // A balance gone to NaN (air too cold and dry for it) stays NaN through
    // every remaining step and can only end in failure: stop here, as if the
    // steps had run out, and spare the maths functions NaN arguments.
    if (!(newTemperature == newTemperature)) {
      count = kIterationLimit;
      break;
    }
    if (std::fabs(static_cast<double>(newTemperature) - estimate) < kTolerance || count >= kIterationLimit)
      settled = true;
    estimate = static_cast<float>(0.9 * estimate + 0.1 * newTemperature);
  }
  if (iterations) *iterations = count;
  // A tolerance met only in the last permitted step still counts as failure.
  if (count < kIterationLimit) return static_cast<float>(newTemperature - 273.15);
  return MORV_FailureValue;
}

}  // namespace

float ComputeGlobeTemperature(double airTemperature, double relativeHumidity, double pressure,
                              double speed, double solar, double directFraction,
                              double cosZenith, int* iterations) {
  const SolverInputs in(airTemperature, relativeHumidity, pressure, speed, solar, directFraction,
                        cosZenith);
  const float Ta = in.airTemperature, rh = in.humidity, P = in.pressure, u = in.speed;
  const float S = in.solar, fdir = in.directFraction, cza = in.cosZenith;

  // Terms that do not depend on the estimate.
  const double longWave = LongWaveFromSkyAndGround(Ta, rh);
  const double shortWave = S / (2.0 * kEmissivity * StefanBoltzmann) * kGlobeAbsorptivity *
                           (fdir * (1.0 / (2.0 * cza) - 1.0) + 1.0 + kSurfaceAlbedo);

  return Solve(Ta, Ta, iterations, [&](float estimate, float reference) {
    const float h = MORV_AirProperties::SphereCoefficient(
        static_cast<float>(kGlobeDiameter), reference, P, u, ComputeAirViscosity(reference));
    const double radiant =
        longWave - static_cast<double>(h) * (estimate - Ta) / (kEmissivity * StefanBoltzmann) + shortWave;
    // The fourth root as two square roots: within an ulp of a double, and far
    // cheaper than pow.
    return static_cast<float>(MORV_ModelMath::SquareRoot(MORV_ModelMath::SquareRoot(radiant)));
  });
}

float ComputeWetBulbTemperature(double airTemperature, double relativeHumidity, double pressure,
                                double speed, double solar, double directFraction,
                                double cosZenith, int radiation, int* iterations) {
  const SolverInputs in(airTemperature, relativeHumidity, pressure, speed, solar, directFraction,
                        cosZenith);
  const float Ta = in.airTemperature, rh = in.humidity, P = in.pressure, u = in.speed;
  const float S = in.solar, fdir = in.directFraction, cza = in.cosZenith;

  const float vaporPressure = static_cast<float>(rh * static_cast<double>(ComputeSaturationVaporPressure(Ta, 0)));
  const float dewPoint = ComputeDewPoint(vaporPressure, 0);
  const float zenith = static_cast<float>(MORV_ModelMath::ArcCosine(cza));

  // Terms that do not depend on the estimate.
  const double longWave = LongWaveFromSkyAndGround(Ta, rh);
  const double endShare = 0.25 * kWickDiameter / kWickLength;
  const double shortWave =
      kWickAbsorptivity * S *
      ((1.0 - fdir) * (1.0 + endShare) +
       fdir * (std::tan(zenith) / MORV_ModelMath::Pi + endShare) + kSurfaceAlbedo);
  const double latentFactor = (MolecularWeightWater / MolecularWeightAir) / SpecificHeatAir;

  return Solve(Ta, dewPoint, iterations, [&](float estimate, float reference) {
    const float viscosity = ComputeAirViscosity(reference);
    const float h = MORV_AirProperties::CylinderCoefficient(
        static_cast<float>(kWickDiameter), reference, P, u, viscosity);
    const float flux = static_cast<float>(
        kEmissivity * StefanBoltzmann * (longWave - FourthPower(estimate)) + shortWave);
    const float wickVaporPressure = ComputeSaturationVaporPressure(estimate, 0);
    const float density = static_cast<float>(MORV_AirProperties::Density(reference, P));
    const float schmidt = static_cast<float>(
        viscosity / (static_cast<double>(density) * ComputeWaterVaporDiffusivity(reference, P)));
    const double evaporative = ComputeHeatOfEvaporation(reference) * latentFactor *
                               (static_cast<double>(wickVaporPressure) - vaporPressure) /
                               (static_cast<double>(P) - wickVaporPressure) *
                               MORV_ModelMath::Power(Prandtl / schmidt, static_cast<double>(SchmidtExponent));
    return static_cast<float>(Ta - evaporative + radiation * static_cast<double>(flux) / h);
  });
}
