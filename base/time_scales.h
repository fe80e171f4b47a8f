#pragma once

namespace tarvel {

/// Day number of J2000.0 (2000 January 1, 12:00).
inline constexpr double kJ2000DayNumber = 2451545;
/// Day number of 1900 January 0.5, the epoch of the classic ascendant's formulas.
inline constexpr double k1900DayNumber = 2415020;
/// Days in a Julian century.
inline constexpr double kDaysPerCentury = 36525;

/// Julian day number of a civil date: the day that begins at noon of that date. Dates up to
/// 15 October 1582 are reckoned in the Julian calendar, later ones in the Gregorian. The date is
/// not checked: the day is added linearly, so 31 February counts as 3 March (2 March in a leap
/// year).
double JulianDayNumber(int month, int day, int year);

/// Julian centuries from an epoch (a day number) to the instant given by a day number and
/// universal time in hours (which may lie outside 0-24).
double CenturiesSince(double epochDayNumber, double dayNumber, double utHours);

/// Julian centuries from J2000.0 to an instant.
inline double CenturiesSinceJ2000(double dayNumber, double utHours) {
  return CenturiesSince(kJ2000DayNumber, dayNumber, utHours);
}

/// Julian centuries from 1900 January 0.5 to an instant.
inline double CenturiesSince1900(double dayNumber, double utHours) {
  return CenturiesSince(k1900DayNumber, dayNumber, utHours);
}

}  // namespace tarvel
