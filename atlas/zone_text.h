#pragma once

#include <string>

namespace tarvel {

/// An offset from universal time as people write it: "UTC+05:30", "UTC-04:00",
/// "UTC+00:00"; seconds only where there are some, "UTC+05:21:10".
std::string UtcOffsetText(int offsetSeconds);

/// A span of minutes in words: "1 hour", "2 hours", "30 minutes", "1 hour 30 minutes".
std::string MinutesText(int minutes);

}  // namespace tarvel
