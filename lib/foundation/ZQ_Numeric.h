// ZQ_Numeric.h: small numeric services shared by the library and the
// application: a quiet NaN, the IEEE class of a double, tolerance comparison,
// rounding, thin wrappers of the runtime's mathematics, angle normalisation and
// Celsius/Fahrenheit conversion, and the human-readable size of a byte count.
// Plain functions on doubles; nothing throws, and nothing but the byte
// count's text allocates. The floating-point unit's words and the scope object that
// fixes them are in ZQ_FloatingPointContext.h, the generator in
// ZQ_RandomNumberGenerator.h.
#pragma once

// Classes returned by ZQ_GetIEEEClass.
enum ZQ_IEEEClass {
  ZQ_IEEEClass_Finite = 0,  // normal, subnormal or zero
  ZQ_IEEEClass_NaN = 1,
  ZQ_IEEEClass_PositiveInfinity = 2,
  ZQ_IEEEClass_NegativeInfinity = 3
};

// A quiet NaN: the single-precision pattern 0x7FFFFFFF widened to double.
double ZQ_GetNaN();

// One of ZQ_IEEEClass, read from the bits of x.
int ZQ_GetIEEEClass(double x);

// True when |a - b| <= tolerance; false when the difference is NaN.
bool ZQ_IsWithinTolerance(double a, double b, double tolerance);

// ceil(x - 0.5): halves go down, 2.5 gives 2 and -2.5 gives -3.
double ZQ_Round(double x);
double ZQ_Ceiling(double x);
double ZQ_Floor(double x);
// Towards zero: floor for x >= 0, ceil below.
double ZQ_Truncate(double x);

// The runtime's functions; angles in radians.
double ZQ_Abs(double x);
double ZQ_Sqrt(double x);
double ZQ_Exp(double x);
double ZQ_Log(double x);
double ZQ_Log10(double x);
double ZQ_Pow(double x, double y);
double ZQ_Pow10(int exponent);
double ZQ_Sin(double x);
double ZQ_Cos(double x);
void ZQ_SinCos(double x, double& sine, double& cosine);
double ZQ_Atan2(double y, double x);

// a * b / c with a 64-bit intermediate, rounded (Windows MulDiv: -1 when c is 0
// or the result does not fit 32 bits).
long ZQ_MulDiv(long a, long b, long c);

// The same direction in degrees within [0, 360); NaN for a NaN or infinite angle.
double ZQ_NormalizeAngle(double degrees);

// c * 1.8 + 32.
double ZQ_CelsiusToFahrenheit(double celsius);
// (f - 32) * 5/9, the factor held in extended precision.
double ZQ_FahrenheitToCelsius(double fahrenheit);

class ZQ_String;
// A number, a space and a unit word (translated): "1,023 bytes" below 1024,
// then three significant digits of KB, MB or GB ("1.5 KB", "977 KB").
ZQ_String ZQ_FormatByteCount(double bytes);
