// Solar position (ecliptic coordinates from mean anomaly and mean longitude,
// sidereal time, refraction for 1013.25 mb and 15 C) and the day of the year.
#include "MORV_Model.h"
#include "MORV_ModelMath.h"

#include <cmath>

using namespace MORV_ModelMath;

namespace {

constexpr int kDaysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool InRange(double value, double low, double high) {
  return value >= low && value <= high;
}

// Days from 0 h of 1 January 2000 back or forward to 0 h of day 1 of the year,
// plus the day of year. Only the leap days of the years before the current
// one count; the current year's leap day is already in its day of year.
int DayNumber(int year, int dayOfYear) {
  const int y = year - 2000;
  if (year > 2000)
    return 365 * y + (y - 1) / 4 + 1 + dayOfYear;
  return 365 * y + y / 4 + dayOfYear;  // y / 4 truncates: right for 1950..2000
}

}  // namespace

int ComputeDayOfYear(int year, int month, int day) {
  if (year < 1) return -1;
  int dayOfYear = kDaysBeforeMonth[month] + day;
  if (month >= 3 && IsLeapYear(year)) ++dayOfYear;
  return dayOfYear;
}

int ComputeSolarPosition(int year, int month, double day, double dayCount,
                         double latitude, double longitude,
                         double* rightAscension, double* declination, double* elevation,
                         double* refraction, double* azimuth, double* distance) {
  if (!InRange(latitude, -90.0, 90.0) || !InRange(longitude, -180.0, 180.0)) return -1;
  if (year != 0) {
    if (year < 1950 || year > 2049) return -1;
    const bool dayOfMonth = month >= 1 && month <= 12 && InRange(day, 0.0, 33.0);
    const bool dayOfYear = month == 0 && InRange(day, 0.0, 368.0);
    if (!dayOfMonth && !dayOfYear) return -1;
  } else if (!InRange(dayCount, 18262.0, 54788.0)) {
    return -1;
  }

  // n: days from noon of 1 January 2000 (universal time); T: Julian centuries
  // at 0 h of the day; U: universal hour of the day.
  double n, T, U;
  if (year != 0) {
    const int wholeDay = static_cast<int>(day);
    const int dayOfYear = month != 0 ? ComputeDayOfYear(year, month, wholeDay) : wholeDay;
    const double n0 = DayNumber(year, dayOfYear) - 1.5;
    T = n0 / 36525.0;
    const double f = Fraction(day);
    n = n0 + f;
    U = 24.0 * f;
  } else {
    n = dayCount - 36525.5;
    U = 24.0 * Fraction(dayCount);
    double wholeCount;
    std::modf(dayCount, &wholeCount);
    T = (wholeCount - 36525.5) / 36525.0;
  }

  const double g = TwoPi * Fraction((357.528 + 0.9856003 * n) / 360.0);
  const double L = TwoPi * Fraction((280.46 + 0.9856474 * n) / 360.0);
  const double epsilon = (23.439 - 0.0000004 * n) * RadiansPerDegree;
  const double lambda = L + (1.915 * std::sin(g) + 0.02 * std::sin(2.0 * g)) * RadiansPerDegree;
  const double r = 1.00014 - 0.01671 * std::cos(g) - 0.00014 * std::cos(2.0 * g);

  double alpha = std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda));
  if (alpha < 0.0) alpha += TwoPi;
  const double alphaHours = 24.0 * Fraction(alpha / TwoPi);
  const double delta = ArcSine(std::sin(epsilon) * std::sin(lambda));

  const double s = 24110.54841 + 8640184.812866 * T + 0.093104 * T * T - 0.0000062 * T * T * T;
  double G = 24.0 * Fraction(s / 86400.0);
  if (G < 0.0) G += 24.0;
  double M = G + 1.00273790934 * U + longitude / 15.0;
  M = 24.0 * Fraction(M / 24.0);
  if (M < 0.0) M += 24.0;

  double H = M - alphaHours;
  if (H < -12.0)
    H += 24.0;
  else if (H > 12.0)
    H -= 24.0;
  H = TwoPi * H / 24.0;

  const double phi = latitude * RadiansPerDegree;
  const double e = ArcSine(std::sin(delta) * std::sin(phi) +
                           std::cos(delta) * std::cos(phi) * std::cos(H));
  const bool tangentCapped = !(std::fabs(e) < 1.57079615);
  const double tanE = tangentCapped ? 6000000.0 : std::tan(e);

  // Azimuth is undefined with the sun in the zenith; call it north there.
  double A = 0.0;
  const double cosE = std::cos(e);
  if (cosE != 0.0) {
    const double cosA = (std::sin(delta) * std::cos(phi) - std::cos(delta) * std::cos(H) * std::sin(phi)) / cosE;
    const double sinA = -std::cos(delta) * std::sin(H) / cosE;
    A = ArcCosine(cosA);
    if (std::atan2(sinA, cosA) < 0.0) A = TwoPi - A;
  }

  const double eDegrees = e * DegreesPerRadian;
  double refractionDegrees;
  if (eDegrees < -1.0 || tangentCapped)
    refractionDegrees = 0.0;
  else if (eDegrees >= 19.225)
    refractionDegrees = 0.00452 * 1013.25 / 288.0 / tanE;
  else
    refractionDegrees = 1013.25 * (0.1594 + 0.0196 * eDegrees + 0.00002 * eDegrees * eDegrees) /
                   ((1.0 + 0.505 * eDegrees + 0.0845 * eDegrees * eDegrees) * 288.0);

  *rightAscension = alphaHours;
  *declination = delta * DegreesPerRadian;
  *elevation = eDegrees + refractionDegrees;
  *refraction = refractionDegrees;
  *azimuth = A * DegreesPerRadian;
  *distance = r;
  return 0;
}
