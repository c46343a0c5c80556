// MORV_Model.h: the heat-stress model. Plain functions on floating-point values:
// no state between calls, no allocation, no exceptions, no messages.
//
// Units at the entry: temperatures in degrees Celsius, pressure in millibars,
// speeds in m/s, heights in metres, irradiance in W/m^2, relative humidity in
// percent, angles in degrees (north and east positive). Inside, temperatures are
// kelvin and humidity is a fraction 0..1. A failed temperature is -9999.0
// (MORV_FailureValue), compared by exact equality.
#pragma once

constexpr float MORV_FailureValue = -9999.0f;

// Model entry. Computes, for a measurement time stamp (local clock time, the
// local-minus-universal offset in whole hours, and an averaging adjustment in
// minutes: the measurement is taken at the stamp minus half of it), the
// estimated 2 m wind speed (written only when windHeight is not exactly 2.0),
// the globe, natural wet bulb, psychrometric wet bulb and wet bulb globe
// temperatures. Returns 0, or -1 when the globe or natural wet bulb solver
// failed or the time and place were refused (then outputs 19-22 are -9999).
// An input that is NaN or infinite, a wind height of 0 or less, and a 2 m
// speed beyond the float range are refused in the same way, with output 18
// unwritten: no output is ever NaN or infinite.
int CalculateMORV(int year, int month, int day, int hour, int minute, int gmtOffset,
                  int averagingAdjustment, float latitude, float longitude, float solar,
                  float pressure, float airTemperature, float relativeHumidity, float speed,
                  float windHeight, float deltaTemperature, int urban,
                  float* estimatedSpeed2m, float* globeTemperature,
                  float* naturalWetBulbTemperature, float* psychrometricWetBulbTemperature,
                  float* wetBulbGlobeTemperature);

// Solar position and day of year -------------------------------------------------

// Day of the year (1 January is 1), or -1 when year < 1. The month must be 1..12.
int ComputeDayOfYear(int year, int month, int day);

// Apparent position of the sun. With year != 0 the universal time is year, month
// 1..12 and day 0..33 (day of month plus time of day as a fraction), or month 0
// and day 0..368 (day of year plus fraction); with year 0 it is dayCount alone
// (18262..54788, 36525.5 being noon of 1 January 2000). Outputs: right ascension
// in hours 0..24, declination and elevation (refraction included) in degrees,
// refraction in degrees, azimuth in degrees clockwise from north, Earth-Sun
// distance in astronomical units. Returns 0, or -1 with nothing written when an
// input is out of range.
int ComputeSolarPosition(int year, int month, double day, double dayCount,
                         double latitude, double longitude,
                         double* rightAscension, double* declination, double* elevation,
                         double* refraction, double* azimuth, double* distance);

// Irradiance split -----------------------------------------------------------------

// Cosine of the solar zenith angle and the direct-beam fraction of the global
// irradiance *solar, which is lowered in place to at most 85 % of the irradiance
// at the top of the atmosphere. Returns 0, or -1 with nothing written when the
// solar position refuses the time or place.
int ComputeSolarIrradianceSplit(int year, int month, double day, float latitude, float longitude,
                                float* solar, float* cosZenith, float* directFraction);

// Properties of air and psychrometrics (kelvin, millibars, SI) ---------------------

float ComputeSaturationVaporPressure(double temperature, int phase);  // phase 0 water, else ice
float ComputeDewPoint(double vaporPressure, int phase);               // phase 0 dew, else frost point
float ComputeAirViscosity(double temperature);                        // kg/(m s)
float ComputeAirThermalConductivity(double temperature);              // W/(m K)
float ComputeWaterVaporDiffusivity(double temperature, double pressure);  // m^2/s
float ComputeHeatOfEvaporation(double temperature);                   // J/kg
float ComputeAtmosphericEmissivity(double airTemperature, double relativeHumidity);
float ComputeSphereConvectionCoefficient(double diameter, double temperature, double pressure,
                                         double speed);              // W/(m^2 K)
float ComputeCylinderConvectionCoefficient(double diameter, double temperature, double pressure,
                                           double speed);            // W/(m^2 K)

// Stability class and 2 m wind speed -------------------------------------------------

// Class 1 (most unstable) to 6 (most stable).
int ComputeStabilityClass(int daytime, double speed, double solar, double deltaTemperature);
// Power-law estimate of the 2 m speed, never below 0.13 m/s.
float EstimateWindSpeedAt2m(double speed, double height, int stabilityClass, int urban);

// Globe temperature and wet-bulb solvers ----------------------------------------------

// Both take air temperature in kelvin, relative humidity as a fraction, pressure in
// mb, speed in m/s, solar in W/m^2, the direct fraction and the cosine of the
// zenith angle, and return degrees Celsius or -9999 when the iteration does not
// settle within 49 steps. iterations, when given, receives the steps taken.
float ComputeGlobeTemperature(double airTemperature, double relativeHumidity, double pressure,
                              double speed, double solar, double directFraction,
                              double cosZenith, int* iterations = nullptr);
// radiation 1: natural wet bulb (in the sun); 0: psychrometric wet bulb (shaded).
float ComputeWetBulbTemperature(double airTemperature, double relativeHumidity, double pressure,
                                double speed, double solar, double directFraction,
                                double cosZenith, int radiation, int* iterations = nullptr);
