#pragma once

namespace tarvel {

/// Julian day number of a civil date: the day that begins at noon of that date. Dates up to
/// 15 October 1582 are reckoned in the Julian calendar, later ones in the Gregorian. The date is
/// not checked: the day is added linearly, so 31 February counts as 3 March (2 March in a leap
/// year).
double JulianDayNumber(int month, int day, int year);

}  // namespace tarvel
