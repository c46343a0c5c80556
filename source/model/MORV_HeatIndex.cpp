#include "MORV_HeatGuidance.h"

#include "ZQ_Numeric.h"

double ComputeHeatIndex_C(double airTemperature, double relativeHumidity) {
  // The regression is fitted for warm air only; below this the apparent
  // temperature is the air temperature.
  if (airTemperature < 23.0) return airTemperature;
  const double t = ZQ_CelsiusToFahrenheit(airTemperature);
  const double r = relativeHumidity;
  const double heatIndex = -42.379 + 2.04901523 * t + 10.14333127 * r - 0.22475541 * t * r -
                           0.00683783 * t * t - 0.05481717 * r * r + 0.00122874 * t * t * r +
                           0.00085282 * t * r * r - 0.00000199 * t * t * r * r;
  return ZQ_FahrenheitToCelsius(heatIndex >= t ? heatIndex : t);
}
