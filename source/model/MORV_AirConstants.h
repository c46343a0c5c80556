// MORV_AirConstants.h: physical constants of moist air shared by the property
// functions and the solvers.
#pragma once

namespace MORV_AirConstants {

constexpr double MolecularWeightAir = 28.97;
constexpr double MolecularWeightWater = 18.015;
constexpr double UniversalGasConstant = 8314.34;                       // J/(kmol K)
constexpr double GasConstantAir = UniversalGasConstant / MolecularWeightAir;  // J/(kg K)
constexpr double SpecificHeatAir = 1003.5;                             // J/(kg K)
constexpr double Prandtl = SpecificHeatAir / (SpecificHeatAir + 1.25 * GasConstantAir);
constexpr double StefanBoltzmann = 5.6696e-8;                          // W/(m^2 K^4)
constexpr double MinimumSpeed = 0.13;                                  // m/s
constexpr double EnhancementFactor = 1.004;

// Single-precision constants of the correlations: the published coefficients
// were fitted as floats and the results depend on that rounding.
constexpr float SchmidtExponent = 0.56f;
constexpr float CylinderReynoldsExponent = 0.4f;

}  // namespace MORV_AirConstants
