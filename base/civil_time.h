#pragma once

namespace tarvel {

/// A Gregorian calendar date with a clock time to the second, on whichever scale the caller
/// says (the local clock, universal time).
struct CivilTime {
  int year = 2000;  ///< 1-9999
  int month = 1;    ///< 1-12
  int day = 1;      ///< 1-31
  int hour = 0;     ///< 0-23
  int minute = 0;   ///< 0-59
  int second = 0;   ///< 0-59

  bool operator==(const CivilTime&) const = default;
};

/// The time moved by a number of seconds, carrying into the day, month and year. The day is
/// counted on from the first of the month, so 31 April 12:00 moved by 0 seconds is 1 May 12:00.
/// The month must be 1-12.
CivilTime ShiftSeconds(const CivilTime& time, long long seconds);

}  // namespace tarvel
