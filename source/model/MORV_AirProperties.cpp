// Thermophysical properties of moist air and water vapour, and the convective
// heat transfer coefficients of a sphere and a cylinder in cross flow. Each
// function reduces its arguments to 32-bit floats and returns a 32-bit float.
#include "MORV_AirProperties.h"
#include "MORV_AirConstants.h"
#include "MORV_Model.h"
#include "MORV_ModelMath.h"

#include <cmath>

using namespace MORV_AirConstants;
using MORV_ModelMath::Exponential;
using MORV_ModelMath::Logarithm;
using MORV_ModelMath::Power;
using MORV_ModelMath::SquareRoot;

namespace {

// Terms of the diffusivity that depend only on the critical constants of air
// and water (36.4 and 218 atm, 132 and 647.3 K).
const double kDiffusivityA = std::pow(static_cast<double>(36.4f) * 218.0f, 1.0 / 3.0);
const double kDiffusivityB = std::pow(static_cast<double>(132.0f) * 647.3f, 5.0 / 12.0);
const double kDiffusivityC = std::sqrt(static_cast<double>(132.0f) * 647.3f);
const double kDiffusivityM = std::sqrt(1.0 / MolecularWeightAir + 1.0 / MolecularWeightWater);
const double kSpherePrandtlTerm = std::pow(Prandtl, 0.3333);
const double kCylinderPrandtlTerm = std::pow(Prandtl, 1.0 - SchmidtExponent);
const double kCylinderReynoldsPower = 1.0 - CylinderReynoldsExponent;

double DensityOfAir(float temperature, float pressure) {
  return pressure * 100.0 / (GasConstantAir * temperature);
}

double Reynolds(float diameter, float temperature, float pressure, float speed, float viscosity) {
  const double effectiveSpeed = speed > MinimumSpeed ? speed : MinimumSpeed;
  return effectiveSpeed * DensityOfAir(temperature, pressure) * diameter / viscosity;
}

}  // namespace

float ComputeSaturationVaporPressure(double temperature, int phase) {
  const float t = static_cast<float>(temperature);
  const double pressure = phase == 0 ? 6.1121 * Exponential(17.502 * (t - 273.15) / (t - 32.18))
                                     : 6.1115 * Exponential(22.452 * (t - 273.15) / (t - 0.6));
  return static_cast<float>(pressure * EnhancementFactor);
}

float ComputeDewPoint(double vaporPressure, int phase) {
  const float e = static_cast<float>(vaporPressure);
  if (phase == 0) {
    const double z = Logarithm(e / (6.1121 * EnhancementFactor));
    return static_cast<float>(240.97 * z / (17.502 - z) + 273.15);
  }
  const double z = Logarithm(e / (6.1115 * EnhancementFactor));
  return static_cast<float>(272.55 * z / (22.452 - z) + 273.15);
}

float ComputeAirViscosity(double temperature) {
  const float t = static_cast<float>(temperature);
  const double reduced = t / 97.0;
  const double collisionIntegral = (reduced - 2.9) / 0.4f * (-0.034) + 1.048;
  const double sigma = 3.617f;
  return static_cast<float>(2.6693e-6 * SquareRoot(MolecularWeightAir * t) /
                            (sigma * sigma * collisionIntegral));
}

float ComputeAirThermalConductivity(double temperature) {
  return MORV_AirProperties::ConductivityFromViscosity(ComputeAirViscosity(temperature));
}

float ComputeWaterVaporDiffusivity(double temperature, double pressure) {
  const float t = static_cast<float>(temperature);
  const float p = static_cast<float>(pressure);
  const double atmospheres = p / 1013.25;
  return static_cast<float>(0.000364f * Power(t / kDiffusivityC, static_cast<double>(2.334f)) *
                            kDiffusivityA * kDiffusivityB * kDiffusivityM / atmospheres * 0.0001);
}

float ComputeHeatOfEvaporation(double temperature) {
  const float t = static_cast<float>(temperature);
  return static_cast<float>((313.15 - t) / 30.0 * (-71100.0) + 2407300.0);
}

float ComputeAtmosphericEmissivity(double airTemperature, double relativeHumidity) {
  const float t = static_cast<float>(airTemperature);
  const float rh = static_cast<float>(relativeHumidity);
  return static_cast<float>(0.575 * Power(static_cast<double>(rh) * ComputeSaturationVaporPressure(t, 0), 0.143));
}

float ComputeSphereConvectionCoefficient(double diameter, double temperature, double pressure,
                                         double speed) {
  const float t = static_cast<float>(temperature);
  return MORV_AirProperties::SphereCoefficient(static_cast<float>(diameter), t,
                                               static_cast<float>(pressure),
                                               static_cast<float>(speed), ComputeAirViscosity(t));
}

float ComputeCylinderConvectionCoefficient(double diameter, double temperature, double pressure,
                                           double speed) {
  const float t = static_cast<float>(temperature);
  return MORV_AirProperties::CylinderCoefficient(static_cast<float>(diameter), t,
                                                 static_cast<float>(pressure),
                                                 static_cast<float>(speed), ComputeAirViscosity(t));
}

namespace MORV_AirProperties {

float ConductivityFromViscosity(float viscosity) {
  return static_cast<float>((SpecificHeatAir + 1.25 * GasConstantAir) * viscosity);
}

float SphereCoefficient(float diameter, float temperature, float pressure, float speed,
                        float viscosity) {
  const double re = Reynolds(diameter, temperature, pressure, speed, viscosity);
  const double nusselt = 2.0 + 0.6 * SquareRoot(re) * kSpherePrandtlTerm;
  return static_cast<float>(ConductivityFromViscosity(viscosity) * nusselt / diameter);
}

float CylinderCoefficient(float diameter, float temperature, float pressure, float speed,
                          float viscosity) {
  const double re = Reynolds(diameter, temperature, pressure, speed, viscosity);
  const double nusselt = 0.281f * Power(re, kCylinderReynoldsPower) * kCylinderPrandtlTerm;
  return static_cast<float>(ConductivityFromViscosity(viscosity) * nusselt / diameter);
}

double Density(float temperature, float pressure) {
  return DensityOfAir(temperature, pressure);
}

}  // namespace MORV_AirProperties
