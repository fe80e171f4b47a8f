#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "atlas/zone_history.h"
#include "base/time_zones.h"

namespace tarvel {

/// The row of the zone list and the daylight-saving box that give the offset in force.
struct ZoneRowChoice {
  std::optional<int> row;             ///< index in the list (0-70 in kTimeZones); empty when
                                      ///< no row fits (see DecideZone for what is taken then)
  bool daylightSavingTicked = false;  ///< the box adds one hour ahead of the row's offset
  /// No row was taken although one gives the offset in force: it names another region's
  /// clock (Indian Time for Asia/Kathmandu in 1980), and the note says so.
  bool rowOfAnotherRegion = false;
  std::string note;  ///< one line for the window: what was in force and
                     ///< what was chosen, or why nothing was
};

/// Minutes ahead of universal time that a row and the daylight-saving box give together.
constexpr int MinutesAheadWithBox(const TimeZoneRow& row, bool daylightSavingTicked) {
  return MinutesAheadOfUniversalTime(row) + (daylightSavingTicked ? 60 : 0);
}

/// The zone's name as its row shows it, before the abbreviation: "Indian Time".
constexpr std::string_view RowZoneName(const TimeZoneRow& row) {
  return row.name.substr(0, row.name.find(','));
}

/// The row and box giving exactly the offset in force. Under daylight saving the row one
/// hour behind the offset is taken with the box ticked; otherwise, or when the list has no
/// such row, the row of the whole offset with the box unticked (so war time or double
/// summer time may come as a row of its own or as a row with the box). A row is taken only
/// when its abbreviation column is the zone's abbreviation (the standard one, "EST", under a
/// ticked box), or else when the zone's own names include it (see ZoneNamesRow), the lowest
/// such row. An offset with seconds, one no row has (local mean time before standard zones),
/// or one only other regions' rows have, gives no row.
ZoneRowChoice ChooseZoneRow(const ZoneState& state, std::span<const TimeZoneRow> rows = kTimeZones);

}  // namespace tarvel
