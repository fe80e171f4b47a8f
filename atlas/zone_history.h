#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "base/civil_time.h"

namespace tarvel {

/// What the local clock time was in its zone's history.
enum class LocalTimeKind {
  Ordinary,  ///< the time happened once
  Skipped,   ///< the clocks jumped over it (spring forward): it never happened
  Repeated,  ///< the clocks went back over it: it happened twice
};

/// The zone's state at a local clock time. A skipped time is read with the offset in force
/// just before the jump, as if the clocks had not yet been put forward; a repeated time is
/// read as the earlier of its two instants (the daylight-saving one when the clocks went back
/// at the end of summer). `kind` says which case occurred, so the user can be told.
struct ZoneState {
  std::string zoneId;     ///< as the tz database names it, e.g. "Asia/Kolkata"
  CivilTime localTime;    ///< the clock time asked about
  int offsetSeconds = 0;  ///< ahead of universal time, negative behind; e.g. 19800 for
                          ///< UTC+05:30, 19270 for Madras time UTC+05:21:10
  /// Whether daylight saving was in force. Where tzdata counts a winter as a negative
  /// saving (Ireland since 1971, Morocco during Ramadan), the lower offset is read as
  /// standard time and the higher one as daylight saving, as people there count it.
  bool isDaylightSaving = false;
  /// How far daylight saving put the clocks ahead of standard time, in minutes. Debian's
  /// compiled tzdata keeps only a flag (date/tz reports a `save` of 1 minute whenever saving
  /// is in force), so the amount is the offset in force minus that of the latest earlier
  /// period of standard time: 60 for summer time, 120 for British double summer time. Empty
  /// when no daylight saving is in force or no earlier standard time is found.
  std::optional<int> daylightSavingMinutes;
  std::string abbreviation;          ///< e.g. "IST", "EDT", "BDST"; some zones use "+0630"
  std::string standardAbbreviation;  ///< of the standard time under daylight saving ("EST"
                                     ///< under "EDT"); the abbreviation itself without it
  LocalTimeKind kind = LocalTimeKind::Ordinary;
  /// Skipped or repeated time: the offset of the reading not taken (after the jump, or the
  /// later instant), in seconds ahead of universal time. Empty for an ordinary time.
  std::optional<int> otherOffsetSeconds;
};

/// Why a zone state could not be given.
struct ZoneError {
  std::string message;  ///< one line for the user
};

/// Loads the system's time-zone database, once for the process; the error of a database that
/// is missing or cannot be read. A program that looks zones up from several threads calls it
/// before they start, so that none loads it while the process is short of file handles (a
/// load that fails half-way stays half-loaded).
std::optional<ZoneError> LoadZoneDatabase();

/// The offset, daylight saving and abbreviation in force in a tz zone ("Asia/Kolkata",
/// links such as "Asia/Calcutta" too) at a local clock time, from the system's tzdata.
/// An unknown zone, an impossible date or time, or missing tzdata give an error. Safe to call
/// from several threads: date/tz loads each zone once, behind its own lock.
std::variant<ZoneState, ZoneError> ZoneStateAt(std::string_view zoneId, const CivilTime& localTime);

}  // namespace tarvel
