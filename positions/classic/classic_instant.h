#pragma once

#include "base/birth_instant.h"

namespace tarvel {

/// The birth instant as the classic formulas count it: the day number of the local civil date
/// plus universal time in hours, which may run outside 0-24.
struct ClassicInstant {
  double utHours;    ///< universal time of birth, hours; never wrapped, may be < 0 or >= 24
  double dayNumber;  ///< Julian day number of the civil birth date (integer-valued)
};

/// The classic count of an instant. The hours are the local clock less the offset, so that
/// every formula keeps the arithmetic it was tuned with.
ClassicInstant ClassicInstantOf(const BirthInstant& instant);

}  // namespace tarvel
