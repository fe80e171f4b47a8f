#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "atlas/zone_history.h"
#include "base/civil_time.h"
#include "base/zone_choice.h"

namespace tarvel {

/// The last year of which the system's compiled zone history holds the clock changes.
inline constexpr int kLastZoneHistoryYear = 2037;

/// The zone the atlas takes for a birth at a place and local clock time.
struct ZoneDecision {
  ZoneChoice zone;                     ///< a row, the exact offset in force, or local mean time
  bool daylightSavingTicked = false;   ///< the row's box, when `zone` is a row
  bool daylightSavingInForce = false;  ///< as the tz database says; false when not known
  /// False after kLastZoneHistoryYear: whether daylight saving was in force is not known, so
  /// the box stays as the user set it.
  bool daylightSavingKnown = true;
  /// An exact offset as the tz database names it: "Asia/Kathmandu, +0545, UTC+05:45"; empty
  /// for a row or local mean time.
  std::string label;
  std::string note;  ///< one line: what was in force and what was taken
};

/// The zone in force in a tz zone at a local clock time, as the form takes it: a row of the
/// list only where one has the offset in force and a name that fits the zone (see
/// ChooseZoneRow); otherwise the exact offset, or where the tz database gives the zone's local
/// mean time ("LMT"), the birth place's own local mean time, from its longitude
/// (`longitudeEastDeg`, East positive, as the chart takes it), which the note quotes. After
/// kLastZoneHistoryYear the zone's standard time. An unknown zone, an impossible date or time,
/// or missing tzdata give an error.
std::variant<ZoneDecision, ZoneError> DecideZone(std::string_view zoneId,
                                                 const CivilTime& localTime,
                                                 double longitudeEastDeg);

}  // namespace tarvel
