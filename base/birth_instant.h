#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/birth_data.h"
#include "base/civil_time.h"
#include "base/zone_choice.h"

namespace tarvel {

/// The instant and place a chart is computed for: what every sky takes. Made once per chart
/// from the birth data, so no formula reads the local clock or the zone again.
struct BirthInstant {
  std::int64_t universalSeconds = 0;  ///< universal time, seconds since 1970-01-01 00:00:00
  std::int32_t offsetSeconds = 0;     ///< local clock minus universal time, daylight saving in
  double latitudeDeg = 0;             ///< North positive, -90 to 90
  double longitudeDeg = 0;            ///< East positive, -180 to 180
  bool operator==(const BirthInstant&) const = default;
};

/// The instant's date and time on the universal time scale.
CivilTime UniversalCivilTime(const BirthInstant& instant);

/// The date and time on the universal time scale of seconds since 1970-01-01 00:00:00.
CivilTime UniversalCivilTime(std::int64_t universalSeconds);

/// The instant's date and time on the birth's local clock.
CivilTime LocalCivilTime(const BirthInstant& instant);

/// The birth instant of a birth, or why there is none.
struct InstantResult {
  std::optional<BirthInstant> instant;
  std::string error;  ///< empty when `instant` is set
};

/// The instant of a birth in a zone: a row of the time-zone list applies in its own direction,
/// with daylight saving one hour further ahead; an exact offset (at most 15 hours either way)
/// as it is; local mean time from the birth's longitude, to the second. A day past the
/// month's end (31 April) runs on into the next month. Refused when the year leaves 1-9999, the
/// month, day, hour, minute, row or offset (over 15 hours) leaves its range, or the coordinates
/// leave the globe (over 90° of latitude, 180° of longitude, 59′).
InstantResult InstantOf(const BirthData& birth, const ZoneChoice& zone);

}  // namespace tarvel
