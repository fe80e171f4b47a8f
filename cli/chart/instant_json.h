#pragma once

#include <string_view>

#include "chart/chart_state.h"
#include "cli/chart/json_writer.h"

namespace tarvel::cli {

/// Writes the value of "Instant": {"Universal": "1990-05-05T04:15:00Z", "OffsetSeconds": 20700,
/// "Zone": "UTC+05:45"}: the universal time the chart was computed for, the local clock minus
/// universal time in seconds, and the zone as the form named it, or the tz zone's id where the
/// atlas took its exact offset (`atlasZoneId`, else empty); for a computed chart only.
void InstantJson(const ChartState& state, JsonWriter& json, std::string_view atlasZoneId = {});

/// Writes a universal time in seconds since 1970-01-01 00:00:00 to the second, as
/// "1990-05-05T04:15:00Z".
void UniversalTimeJson(std::int64_t universalSeconds, JsonWriter& json);

}  // namespace tarvel::cli
