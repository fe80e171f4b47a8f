#include "positions/days_from_j2000.h"

#include <cmath>

#include "base/time_scales.h"

namespace tarvel {

namespace {

double FloorDiv(int numerator, int denominator) {
  return std::floor(static_cast<double>(numerator) / denominator);
}

double DayFraction(int hour, int minute) {
  return (hour + minute / 60.0) / 24;
}

// The short count takes every fourth year as a leap year, which holds from 1 March 1900 to
// 28 February 2100 only.
bool WithinShortCountSpan(int year, int month) {
  const int monthIndex = year * 12 + month;
  return monthIndex >= 1900 * 12 + 3 && monthIndex <= 2100 * 12 + 2;
}

// The Julian date of van Flandern and Pulkkinen (ApJS 41, 391, 1979) less J2000.0's 2451545.0.
double ShortCount(int year, int month, int day, int hour, int minute) {
  return 367.0 * year - FloorDiv(7 * (year + static_cast<int>(FloorDiv(month + 9, 12))), 4) +
         FloorDiv(275 * month, 9) + day - 730531.5 + DayFraction(hour, minute);
}

double CalendarCount(int year, int month, int day, int hour, int minute) {
  return JulianDayNumber(month, day, year) - kJ2000DayNumber - 0.5 + DayFraction(hour, minute);
}

}  // namespace

double DaysFromJ2000(int year, int month, int day, int hour, int minute) {
  if (WithinShortCountSpan(year, month)) return ShortCount(year, month, day, hour, minute);
  return CalendarCount(year, month, day, hour, minute);
}

}  // namespace tarvel
