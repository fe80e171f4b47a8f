#include "base/time_scales.h"

#include <cstdint>

namespace tarvel {

namespace {

// Floor division, so years before -4800 still count whole days backwards.
std::int64_t FloorDiv(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  if (numerator % denominator != 0 && numerator < 0) --quotient;
  return quotient;
}

// Last day number still counted in the Julian calendar: 15 October 1582.
constexpr std::int64_t kLastJulianDay = 2299171;

}  // namespace

// The Julian day number at noon of a civil date (Meeus, Astronomical Algorithms, ch. 7);
// months count from March 4801 BC so that the leap day falls at a year's end.
double JulianDayNumber(int month, int day, int year) {
  const std::int64_t m = 12 * (static_cast<std::int64_t>(year) + 4800) + month - 3;
  std::int64_t j =
      day + FloorDiv(365 * m + 2 * (m - 12 * FloorDiv(m, 12)) + 7, 12) + FloorDiv(m, 48) - 32083;
  if (j > kLastJulianDay) j = j + FloorDiv(m, 4800) - FloorDiv(m, 1200) + 38;
  return static_cast<double>(j);
}

double CenturiesSince(double epochDayNumber, double dayNumber, double utHours) {
  // Whole days first, then the fraction of the day, then the half day from noon: this order
  // keeps the last bits that decide a truncated arc-second.
  return ((dayNumber - epochDayNumber) + utHours / 24 - 0.5) / kDaysPerCentury;
}

}  // namespace tarvel
