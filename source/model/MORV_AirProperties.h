// MORV_AirProperties.h: the property functions' building blocks, for the solvers'
// inner loops, which need the viscosity at one temperature several times and
// compute it once. Results equal those of the public functions in MORV_Model.h.
#pragma once

namespace MORV_AirProperties {

float ConductivityFromViscosity(float viscosity);
// Coefficients with the viscosity at `temperature` already known.
float SphereCoefficient(float diameter, float temperature, float pressure, float speed,
                        float viscosity);
float CylinderCoefficient(float diameter, float temperature, float pressure, float speed,
                          float viscosity);
// Density of air in kg/m^3 at a temperature in kelvin and a pressure in mb.
double Density(float temperature, float pressure);

}  // namespace MORV_AirProperties
