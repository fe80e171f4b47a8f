#pragma once

#include "base/birth_instant.h"

namespace tarvel {

/// Days from J2000.0 (2000 January 1, 12:00) to a date and time of universal time. The date is
/// not checked: the day is added linearly, so 31 April counts as 1 May.
double DaysFromJ2000(const CivilTime& universal);

}  // namespace tarvel
