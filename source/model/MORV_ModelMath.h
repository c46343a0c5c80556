// MORV_ModelMath.h: small helpers shared by the model's source files.
#pragma once

#include <cmath>

namespace MORV_ModelMath {

constexpr double Pi = 3.14159265358979323846;
constexpr double TwoPi = 2.0 * Pi;
constexpr double RadiansPerDegree = Pi / 180.0;
constexpr double DegreesPerRadian = 57.29577951308232;

// Fractional part keeping the sign of x (modf's, not floor's).
inline double Fraction(double x) {
  double integral;
  return std::modf(x, &integral);
}

// Rounding can carry an argument of asin or acos just outside [-1, 1] (the sun in
// the zenith, the poles); clamp it instead of producing NaN.
inline double ClampUnit(double x) {
  if (x > 1.0) return 1.0;
  if (x < -1.0) return -1.0;
  return x;
}

// x^y for the solvers' inner loops. The static runtime's pow costs about five
// times exp; for a positive base exp(y log x) agrees with it to a few units in
// the last place of a double, far below the 32-bit rounding of every result.
inline double Power(double x, double y) {
  if (x > 0.0) return std::exp(y * std::log(x));
  return std::pow(x, y);
}

}  // namespace MORV_ModelMath
