#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

/// How the local clock of a birth relates to universal time.
enum class ZoneKind {
  Row,            ///< a row of the time-zone list, with the daylight-saving box
  Offset,         ///< an exact offset, daylight saving included
  LocalMeanTime,  ///< the mean sun at the birth's own longitude
};

/// The zone a chart is computed with.
struct ZoneChoice {
  ZoneKind kind = ZoneKind::Row;
  int row = 0;            ///< 0-70, the row of the list when `kind` is Row
  int offsetSeconds = 0;  ///< local clock minus universal time when `kind` is Offset
  bool operator==(const ZoneChoice&) const = default;
};

/// The largest exact offset either way: 15 hours, in seconds.
inline constexpr int kLargestOffsetSeconds = 15 * 3600;

/// A row of the list (0-70).
constexpr ZoneChoice RowZone(int row) {
  return {ZoneKind::Row, row, 0};
}

/// An exact offset, local clock minus universal time, seconds.
constexpr ZoneChoice OffsetZone(int offsetSeconds) {
  return {ZoneKind::Offset, 0, offsetSeconds};
}

/// Local mean time at the birth's longitude.
constexpr ZoneChoice LocalMeanTimeZone() {
  return {ZoneKind::LocalMeanTime, 0, 0};
}

/// Local mean time minus universal time at a longitude (East positive, -180 to 180): four
/// minutes of time a degree, to the nearest second.
int LocalMeanTimeOffsetSeconds(double longitudeDeg);

/// The row whose offset (daylight saving aside) is nearest `offsetSeconds`; the lower row on a
/// tie.
int NearestZoneRow(int offsetSeconds);

/// An offset as a signed clock: "+05:45", "-04:30", "+00:00"; seconds only where there are
/// some ("+05:21:10"), or always when `withSeconds`.
std::string SignedClockText(int offsetSeconds, bool withSeconds = false);

/// An offset as people write it: "UTC+05:30"; seconds only where there are some.
std::string UtcOffsetText(int offsetSeconds);

/// "±HH:MM" or "±HH:MM:SS" as an offset in seconds, at most 15:00 either way; empty when the
/// text does not read so.
std::optional<int> ParseSignedClock(std::string_view text);

/// What a zone is called: the row's text as the list shows it, "UTC+05:45" for an exact
/// offset, "Local mean time".
std::string ZoneName(const ZoneChoice& zone);

/// A row's text as the zone list shows it; empty for a row past the list.
std::string_view ZoneRowName(int row);

}  // namespace tarvel
