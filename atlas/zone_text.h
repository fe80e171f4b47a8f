#pragma once

#include <string>

#include "atlas/zone_history.h"

namespace tarvel {

/// An offset from universal time as people write it: "UTC+05:30", "UTC-04:00",
/// "UTC+00:00"; seconds only where there are some, "UTC+05:21:10".
std::string UtcOffsetText(int offsetSeconds);

/// The date in words: "5 March 1980".
std::string CivilDateText(const LocalCivilTime& time);

/// The clock time: "02:30".
std::string ClockText(const LocalCivilTime& time);

/// A span of minutes in words: "1 hour", "2 hours", "30 minutes", "1 hour 30 minutes".
std::string MinutesText(int minutes);

}  // namespace tarvel
