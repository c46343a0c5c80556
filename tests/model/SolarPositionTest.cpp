#include "MORV_Model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct SolarPosition {
  int result;
  double rightAscension, declination, elevation, refraction, azimuth, distance;
};

SolarPosition Position(int year, int month, double day, double dayCount, double latitude,
                       double longitude) {
  SolarPosition p = {};
  p.elevation = 12345.0;  // shows whether anything was written
  p.result = ComputeSolarPosition(year, month, day, dayCount, latitude, longitude,
                                  &p.rightAscension, &p.declination, &p.elevation, &p.refraction,
                                  &p.azimuth, &p.distance);
  return p;
}

// Days from 1 January 2000 to a Gregorian date, counted independently of the
// model (the usual era-based civil-day algorithm).
long DaysFrom2000(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468 - 10957;
}

}  // namespace

TEST(ComputeDayOfYear, CountsTheGregorianLeapDay) {
  const struct { int year, month, day, want; const char* why; } kCases[] = {
      {2001, 1, 1, 1, "first day"},
      {2001, 12, 31, 365, "last day of a common year"},
      {2004, 12, 31, 366, "last day of a leap year"},
      {2004, 2, 29, 60, "leap day itself"},
      {2004, 3, 1, 61, "after the leap day"},
      {1900, 3, 1, 60, "1900 is divisible by 100: not a leap year"},
      {2000, 3, 1, 61, "2000 is divisible by 400: a leap year"},
      {2023, 3, 1, 60, "common year"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ComputeDayOfYear(c.year, c.month, c.day), c.want);
  }
  EXPECT_EQ(ComputeDayOfYear(0, 3, 1), -1);
  EXPECT_EQ(ComputeDayOfYear(-5, 3, 1), -1);
}

TEST(ComputeSolarPosition, RefusesInputsOutOfRangeAndWritesNothing) {
  const struct { int year, month; double day, dayCount, latitude, longitude; int want; const char* why; } kCases[] = {
      {2020, 6, 1.5, 0, 90.0, 0, 0, "latitude 90 accepted"},
      {2020, 6, 1.5, 0, 90.5, 0, -1, "latitude 90.5 refused"},
      {1800, 6, 1.5, 0, 90.5, 0, -1, "latitude checked before the year"},
      {2020, 6, 1.5, 0, -90.0, 0, 0, "latitude -90 accepted"},
      {2020, 6, 1.5, 0, 0, 180.0, 0, "longitude 180 accepted"},
      {2020, 6, 1.5, 0, 0, -180.5, -1, "longitude -180.5 refused"},
      {1950, 6, 1.5, 0, 0, 0, 0, "year 1950 accepted"},
      {1949, 6, 1.5, 0, 0, 0, -1, "year 1949 refused"},
      {2049, 6, 1.5, 0, 0, 0, 0, "year 2049 accepted"},
      {2050, 6, 1.5, 0, 0, 0, -1, "year 2050 refused"},
      {2020, 1, 33.0, 0, 0, 0, 0, "day 33.0 accepted"},
      {2020, 1, 33.5, 0, 0, 0, -1, "day 33.5 refused"},
      {2020, 1, 0.0, 0, 0, 0, 0, "day 0 accepted"},
      {2020, 1, -0.1, 0, 0, 0, -1, "negative day refused"},
      {2020, 13, 1.0, 0, 0, 0, -1, "month 13 refused"},
      {2020, -1, 1.0, 0, 0, 0, -1, "month -1 refused"},
      {2020, 0, 368.0, 0, 0, 0, 0, "day of year 368 accepted"},
      {2020, 0, 368.5, 0, 0, 0, -1, "day of year 368.5 refused"},
      {0, 0, 0, 18262.0, 0, 0, 0, "first accepted day count"},
      {0, 0, 0, 18261.9, 0, 0, -1, "day count too small"},
      {0, 0, 0, 54788.0, 0, 0, 0, "last accepted day count"},
      {0, 0, 0, 54788.1, 0, 0, -1, "day count too large"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const SolarPosition p = Position(c.year, c.month, c.day, c.dayCount, c.latitude, c.longitude);
    EXPECT_EQ(p.result, c.want);
    if (c.want != 0) {
      EXPECT_EQ(p.elevation, 12345.0);
    }
  }
}

TEST(ComputeSolarPosition, GivesTheSunAtMidnightOfTheFirstOfJanuary2000) {
  // n = -0.5: g = 357.0352 deg, L = 279.9672 deg, lambda = 279.8661 deg.
  const SolarPosition p = Position(2000, 1, 1.0, 0.0, 0.0, 0.0);
  ASSERT_EQ(p.result, 0);
  EXPECT_NEAR(p.declination, -23.0721418, 1e-6);
  EXPECT_NEAR(p.distance, 0.983313115, 1e-8);
  EXPECT_NEAR(p.rightAscension, 18.7155729, 1e-6);
  EXPECT_NEAR(p.elevation, -66.9158468, 1e-6);  // midnight at the equator
  EXPECT_EQ(p.refraction, 0.0);
  EXPECT_NEAR(p.azimuth, 181.797169, 1e-5);
}

// The day-count form is a running day number; the calendar form must give the
// same instant for every date, leap years after 2000 included.
TEST(ComputeSolarPosition, CalendarDatesAgreeWithRunningDayCountsInEveryYear) {
  const struct { int month, day; } kDates[] = {{1, 1}, {2, 28}, {3, 1}, {6, 21}, {12, 31}};
  for (int year = 1950; year <= 2049; ++year) {
    for (const auto& d : kDates) {
      const double dayCount = 36525.0 + DaysFrom2000(year, d.month, d.day) + 0.375;
      const SolarPosition calendar = Position(year, d.month, d.day + 0.375, 0.0, 40.0, -75.0);
      const SolarPosition counted = Position(0, 0, 0.0, dayCount, 40.0, -75.0);
      SCOPED_TRACE(testing::Message() << year << "-" << d.month << "-" << d.day);
      ASSERT_EQ(calendar.result, 0);
      ASSERT_EQ(counted.result, 0);
      EXPECT_NEAR(calendar.declination, counted.declination, 1e-9);
      EXPECT_NEAR(calendar.elevation, counted.elevation, 1e-9);
      EXPECT_NEAR(calendar.azimuth, counted.azimuth, 1e-9);
    }
  }
}

TEST(ComputeSolarPosition, MonthZeroTakesTheDayOfTheYear) {
  const SolarPosition byMonth = Position(2004, 3, 1.5, 0.0, 10.0, 20.0);
  const SolarPosition byDayOfYear = Position(2004, 0, 61.5, 0.0, 10.0, 20.0);
  EXPECT_EQ(byMonth.elevation, byDayOfYear.elevation);
  EXPECT_EQ(byMonth.azimuth, byDayOfYear.azimuth);
}

TEST(ComputeSolarPosition, DayValuesPast33CarryIntoTheNextMonth) {
  const SolarPosition january = Position(2021, 1, 32.25, 0.0, 10.0, 20.0);
  const SolarPosition february = Position(2021, 2, 1.25, 0.0, 10.0, 20.0);
  EXPECT_NEAR(january.elevation, february.elevation, 1e-12);
}

// Refraction for 1013.25 mb and 15 C: none below -1 degree, the low-angle
// formula up to 19.225 degrees, the tangent formula above.
TEST(ComputeSolarPosition, RefractionFollowsItsThreeElevationBands) {
  int low = 0, middle = 0, high = 0;
  for (int hour = 0; hour < 24 * 8; ++hour) {
    const SolarPosition p = Position(2015, 4, 10.0 + hour / 96.0, 0.0, 52.0, 4.0);
    ASSERT_EQ(p.result, 0);
    const double e = p.elevation - p.refraction;  // unrefracted, degrees
    double want;
    if (e < -1.0) {
      want = 0.0;
      ++low;
    } else if (e >= 19.225) {
      want = 0.00452 * 1013.25 / 288.0 / std::tan(e / 57.29577951308232);
      ++high;
    } else {
      want = 1013.25 * (0.1594 + 0.0196 * e + 0.00002 * e * e) / ((1 + 0.505 * e + 0.0845 * e * e) * 288.0);
      ++middle;
    }
    EXPECT_NEAR(p.refraction, want, 1e-12) << "unrefracted elevation " << e;
  }
  EXPECT_GT(low, 0);
  EXPECT_GT(middle, 0);
  EXPECT_GT(high, 0);
}

// Both sides of the 19.225 degree edge between the two refraction formulas,
// found by bisecting the morning for an unrefracted elevation.
TEST(ComputeSolarPosition, RefractionFormulaChangesAt19Point225Degrees) {
  auto morningAt = [](double elevationDegrees) {
    double early = 10.0, late = 10.5;
    for (int i = 0; i < 60; ++i) {
      const double middle = 0.5 * (early + late);
      const SolarPosition p = Position(2015, 4, middle, 0.0, 52.0, 4.0);
      (p.elevation - p.refraction < elevationDegrees ? early : late) = middle;
    }
    return Position(2015, 4, late, 0.0, 52.0, 4.0);
  };
  const double e1 = 19.22, e2 = 19.23;
  const SolarPosition below = morningAt(e1), above = morningAt(e2);
  EXPECT_NEAR(below.refraction,
              1013.25 * (0.1594 + 0.0196 * e1 + 0.00002 * e1 * e1) / ((1 + 0.505 * e1 + 0.0845 * e1 * e1) * 288.0),
              1e-9);
  EXPECT_NEAR(above.refraction, 0.00452 * 1013.25 / 288.0 / std::tan(e2 / 57.29577951308232), 1e-9);
}

TEST(ComputeSolarPosition, StaysFiniteAtThePolesAndWithTheSunInTheZenith) {
  for (double latitude : {-90.0, 90.0, 23.44, -23.44, 0.0}) {
    for (int step = 0; step < 48; ++step) {
      const SolarPosition p = Position(2020, 6, 21.0 + step / 48.0, 0.0, latitude, 0.0);
      ASSERT_EQ(p.result, 0);
      EXPECT_TRUE(std::isfinite(p.elevation) && std::isfinite(p.azimuth) && std::isfinite(p.refraction))
          << "latitude " << latitude << " step " << step;
      EXPECT_LE(p.elevation - p.refraction, 90.0);
    }
  }
}
