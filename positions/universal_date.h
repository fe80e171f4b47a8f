#pragma once

#include "base/birth_data.h"
#include "base/civil_time.h"

namespace tarvel {

/// The birth's civil date and clock time moved to universal time: by the zone offset in the
/// direction of the longitude, with the daylight-saving hour. Whole minutes: the seconds are 0.
CivilTime UniversalDateTime(const BirthData& birth);

}  // namespace tarvel
