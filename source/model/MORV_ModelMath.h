// MORV_ModelMath.h: small helpers shared by the model's source files.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

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

// The model never hands the runtime's maths functions an argument outside
// their domain or range: the program routes maths-library errors into its
// fatal-error report, and extreme weather (cold, dry air that sends a solver
// astray) must end in -9999, not in a stopped program. These wrappers give the
// IEEE answer themselves where the runtime would report an error.
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

inline double SquareRoot(double x) {
  return x >= 0.0 ? std::sqrt(x) : NotANumber;
}

// e^x within one unit in the last place, at a third of the runtime's cost:
// x = k ln 2 + r with |r| <= ln 2 / 2, and e^r from a minimax polynomial in r^2.
inline double Exponential(double x) {
  if (!(x == x)) return NotANumber;
  if (x > 709.78) return Infinity;
  if (x < -745.2) return 0.0;
  constexpr double ln2High = 6.93147180369123816490e-01;
  constexpr double ln2Low = 1.90821492927058770002e-10;
  constexpr double inverseLn2 = 1.44269504088896338700e+00;
  constexpr double roundingShift = 6755399441055744.0;  // 1.5 * 2^52: rounds to an integer
  constexpr double p1 = 1.66666666666666019037e-01, p2 = -2.77777777770155933842e-03,
                   p3 = 6.61375632143793436117e-05, p4 = -1.65339022054652515390e-06,
                   p5 = 4.13813679705723846039e-08;
  const double kd = (x * inverseLn2 + roundingShift) - roundingShift;
  const int k = static_cast<int>(kd);
  const double high = x - kd * ln2High;
  const double low = kd * ln2Low;
  const double r = high - low;
  const double t = r * r;
  const double c = r - t * (p1 + t * (p2 + t * (p3 + t * (p4 + t * p5))));
  const double y = 1.0 - ((low - (r * c) / (2.0 - c)) - high);
  if (k < -1021) return std::ldexp(y, k);  // subnormal results
  std::uint64_t bits;
  std::memcpy(&bits, &y, sizeof bits);
  bits += static_cast<std::uint64_t>(static_cast<std::int64_t>(k)) << 52;
  double scaled;
  std::memcpy(&scaled, &bits, sizeof scaled);
  return scaled;
}

// Rounding can carry an argument of asin or acos just outside [-1, 1] (the sun in
// the zenith, the poles); clamp it instead of producing NaN.
inline double ClampUnit(double x) {
  if (x > 1.0) return 1.0;
  if (x < -1.0) return -1.0;
  return x;
}

inline double ArcCosine(double x) {
  return x == x ? std::acos(ClampUnit(x)) : NotANumber;
}

inline double ArcSine(double x) {
  return x == x ? std::asin(ClampUnit(x)) : NotANumber;
}

// Natural logarithm of a positive, finite, normal x, within one unit in the last
// place: the runtime's x87 log costs twice as much. The argument is split into
// 2^k * m with m in [sqrt(2)/2, sqrt(2)), and log m = 2 atanh(f / (2 + f)),
// f = m - 1, comes from a minimax polynomial in s = f / (2 + f).
inline double Log(double x) {
  constexpr double ln2High = 6.93147180369123816490e-01;
  constexpr double ln2Low = 1.90821492927058770002e-10;
  constexpr double c1 = 6.666666666666735130e-01, c2 = 3.999999999940941908e-01,
                   c3 = 2.857142874366239149e-01, c4 = 2.222219843214978396e-01,
                   c5 = 1.818357216161805012e-01, c6 = 1.531383769920937332e-01,
                   c7 = 1.479819860511658591e-01;
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  std::uint32_t high = static_cast<std::uint32_t>(bits >> 32);
  int k = static_cast<int>(high >> 20) - 1023;
  high &= 0x000fffff;
  // Mantissas above sqrt(2) are halved (exponent one higher).
  const std::uint32_t carry = (high + 0x95f64) & 0x100000;
  const std::uint64_t mantissaBits =
      (static_cast<std::uint64_t>(high | (carry ^ 0x3ff00000)) << 32) | (bits & 0xffffffffu);
  double m;
  std::memcpy(&m, &mantissaBits, sizeof m);
  k += static_cast<int>(carry >> 20);
  const double f = m - 1.0;
  const double s = f / (2.0 + f);
  const double z = s * s, w = z * z;
  const double r = z * (c1 + w * (c3 + w * (c5 + w * c7))) + w * (c2 + w * (c4 + w * c6));
  const double halfSquare = 0.5 * f * f;
  const double dk = k;
  return dk * ln2High - ((halfSquare - (s * (halfSquare + r) + dk * ln2Low)) - f);
}

constexpr double SmallestNormal = 2.2250738585072014e-308;

// Natural logarithm of any x: NaN for negative or NaN x, -inf for 0.
inline double Logarithm(double x) {
  if (x >= SmallestNormal && x < Infinity) return Log(x);
  if (x > 0.0) return x == Infinity ? Infinity : std::log(x);  // subnormal
  return x == 0.0 ? -Infinity : NotANumber;
}

// x^y for a non-integer y, as the solvers' inner loops need it: the runtime's
// pow costs five times exp, and for positive bases exp(y log x) agrees with it
// to a few units in the last place of a double, far below the 32-bit rounding
// of every result. A negative or NaN base gives NaN.
inline double Power(double x, double y) {
  if (x > 0.0 && x < Infinity) return Exponential(y * Logarithm(x));
  if (x == 0.0) return y > 0.0 ? 0.0 : Infinity;
  if (x == Infinity) return y > 0.0 ? Infinity : 0.0;
  return NotANumber;
}

}  // namespace MORV_ModelMath
