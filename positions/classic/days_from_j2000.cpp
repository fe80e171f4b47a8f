#include "positions/classic/days_from_j2000.h"

#include <cmath>

#include "base/time_scales.h"

namespace tarvel {

namespace {

double FloorDiv(int numerator, int denominator) {
  return std::floor(static_cast<double>(numerator) / denominator);
}

double DayFraction(const CivilTime& t) {
  return (t.hour + t.minute / 60.0 + t.second / 3600.0) / 24;
}

// The short count takes every fourth year as a leap year, which holds from 1 March 1900 to
// 28 February 2100 only.
bool WithinShortCountSpan(int year, int month) {
  const int monthIndex = year * 12 + month;
  return monthIndex >= 1900 * 12 + 3 && monthIndex <= 2100 * 12 + 2;
}

// The Julian date of van Flandern and Pulkkinen (ApJS 41, 391, 1979) less J2000.0's 2451545.0.
double ShortCount(const CivilTime& t) {
  return 367.0 * t.year - FloorDiv(7 * (t.year + static_cast<int>(FloorDiv(t.month + 9, 12))), 4) +
         FloorDiv(275 * t.month, 9) + t.day - 730531.5 + DayFraction(t);
}

double CalendarCount(const CivilTime& t) {
  return JulianDayNumber(t.month, t.day, t.year) - kJ2000DayNumber - 0.5 + DayFraction(t);
}

}  // namespace

double DaysFromJ2000(const CivilTime& universal) {
  if (WithinShortCountSpan(universal.year, universal.month)) return ShortCount(universal);
  return CalendarCount(universal);
}

}  // namespace tarvel
