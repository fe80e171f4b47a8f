#pragma once

#include "base/birth_instant.h"

namespace tarvel {

/// The Julian day (days, universal time) of a date and time of universal time in the
/// Gregorian calendar, as the Swiss Ephemeris takes it.
double JulianDayUt(const CivilTime& universal);

}  // namespace tarvel
