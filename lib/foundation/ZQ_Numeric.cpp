#include "ZQ_Numeric.h"

#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX  // libstdc++ defines it too
#define NOMINMAX
#endif
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Extended-precision constants: the x87 unit evaluates long double, so products
// with them round once, to double, at the end.
constexpr long double kOneOver360 = 1.0L / 360.0L;
constexpr long double kFiveNinths = 5.0L / 9.0L;

double WidenedSingleNaN() {
  const std::uint32_t pattern = 0x7FFFFFFFu;
  float single;
  std::memcpy(&single, &pattern, sizeof single);
  return static_cast<double>(single);
}

}  // namespace

// The one-line functions keep no trace frame: they cannot fail, and number
// formatting calls them for every value it writes.

double ZQ_GetNaN() {
  static const double s_nan = WidenedSingleNaN();
  return s_nan;
}

int ZQ_GetIEEEClass(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  const std::uint32_t high = static_cast<std::uint32_t>(bits >> 32);
  const std::uint32_t low = static_cast<std::uint32_t>(bits);
  if ((high & 0x7FF00000u) != 0x7FF00000u) return ZQ_IEEEClass_Finite;
  if ((high & 0x000FFFFFu) != 0 || low != 0) return ZQ_IEEEClass_NaN;
  return (high & 0x80000000u) ? ZQ_IEEEClass_NegativeInfinity : ZQ_IEEEClass_PositiveInfinity;
}

bool ZQ_IsWithinTolerance(double a, double b, double tolerance) {
  return std::fabs(a - b) <= tolerance;
}

double ZQ_Round(double x) { return std::ceil(x - 0.5); }
double ZQ_Ceiling(double x) { return std::ceil(x); }
double ZQ_Floor(double x) { return std::floor(x); }
double ZQ_Truncate(double x) { return x >= 0.0 ? std::floor(x) : std::ceil(x); }

double ZQ_Abs(double x) { return std::fabs(x); }
double ZQ_Sqrt(double x) { return std::sqrt(x); }
double ZQ_Exp(double x) { return std::exp(x); }
double ZQ_Log(double x) { return std::log(x); }
double ZQ_Log10(double x) { return std::log10(x); }
double ZQ_Pow(double x, double y) { return std::pow(x, y); }
double ZQ_Pow10(int exponent) { return std::pow(10.0, exponent); }
double ZQ_Sin(double x) { return std::sin(x); }
double ZQ_Cos(double x) { return std::cos(x); }

void ZQ_SinCos(double x, double& sine, double& cosine) {
  sine = std::sin(x);
  cosine = std::cos(x);
}

double ZQ_Atan2(double y, double x) { return std::atan2(y, x); }

long ZQ_MulDiv(long a, long b, long c) {
  ZQ_TRACE_FUNCTION("ZQ_MulDiv");
  return ::MulDiv(a, b, c);
}

// Iterative, and NaN and infinity are answered first: no number of turns
// brings them into range. Whole turns are removed in extended
// precision, which leaves a remainder of at most a few units of the last place
// of x; the loop repeats until the value lies in [0, 360), so even 1e300
// settles in a few rounds, and a tiny negative angle whose sum with 360 rounds
// to 360 comes out as 0.
double ZQ_NormalizeAngle(double degrees) {
  ZQ_TRACE_FUNCTION("ZQ_NormalizeAngle");
  if (ZQ_GetIEEEClass(degrees) != ZQ_IEEEClass_Finite) return ZQ_GetNaN();
  double x = degrees;
  while (!(x >= 0.0 && x < 360.0)) {
    if (x >= -360.0 && x < 0.0) {
      x += 360.0;
    } else if (x >= 360.0 && x < 720.0) {
      x -= 360.0;
    } else if (x < -360.0) {
      const long double turns = std::trunc(-x * kOneOver360);
      x = static_cast<double>(x + (turns + 1.0L) * 360.0L);
    } else {
      const long double turns = std::trunc(x * kOneOver360);
      x = static_cast<double>(x - turns * 360.0L);
    }
  }
  return x;
}

double ZQ_CelsiusToFahrenheit(double celsius) { return celsius * 1.8 + 32.0; }

double ZQ_FahrenheitToCelsius(double fahrenheit) {
  return static_cast<double>((fahrenheit - 32.0) * kFiveNinths);
}

ZQ_String ZQ_FormatByteCount(double bytes) {
  ZQ_TRACE_FUNCTION("ZQ_FormatByteCount");
  ZQ_StringStream text;
  if (bytes < 1024.0) {
    text << ZQ_SetFormat(",#4") << static_cast<long>(bytes) << ' '
         << ZQ_Internationalization_Translate("bytes");
    return text;
  }
  static const struct { double limit; double unit; const char* word; } kUnits[] = {
      {1048576.0, 1024.0, "KB"}, {1073741824.0, 1048576.0, "MB"}};
  double unit = 1073741824.0;
  const char* word = "GB";
  for (const auto& row : kUnits) {
    if (bytes < row.limit) {
      unit = row.unit;
      word = row.word;
      break;
    }
  }
  text << ZQ_SetFormat("#3") << bytes / unit << ' ' << ZQ_Internationalization_Translate(word);
  return text;
}
