#pragma once

namespace tarvel {

/// Days from J2000.0 (2000 January 1, 12:00) to a civil date and time of day (hours 0-23,
/// minutes 0-59). The date is not checked: the day is added linearly, so 31 April counts as
/// 1 May.
double DaysFromJ2000(int year, int month, int day, int hour, int minute);

}  // namespace tarvel
