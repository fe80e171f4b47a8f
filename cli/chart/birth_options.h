#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "atlas/degrees_minutes.h"
#include "base/birth_data.h"
#include "base/zone_choice.h"
#include "chart/chart_state.h"
#include "cli/chart/sky_options.h"
#include "document/chart_style.h"
#include "varga/varga.h"

namespace tarvel::cli {

/// One birth as the command line (and the batch input) gives it, before any checking. The
/// zone, the coordinates and daylight saving may be left to the atlas when a place is given.
struct BirthOptions {
  std::string date;                      ///< YYYY-MM-DD
  std::string time;                      ///< HH:MM[:SS], local clock time
  std::optional<int> zone;               ///< time-zone row, 0-70
  std::optional<std::string> offset;     ///< instead of a row: ±HH:MM[:SS] or "lmt"
  std::optional<std::string> latitude;   ///< DD:MM followed by N or S
  std::optional<std::string> longitude;  ///< DDD:MM followed by E or W
  std::optional<bool> dst;               ///< daylight saving; none given reads as none in force
  std::optional<std::string> name;
  std::optional<std::string> city;
  std::optional<std::string> state;
  std::optional<std::string> country;
  std::optional<std::string> place;  ///< "City", "City, Country" or "City, State, Country"
  SkyChoice sky;
  std::optional<Varga> varga;       ///< the divisional chart to compute; none: the default
  std::optional<ChartStyle> style;  ///< how a drawing of the chart looks; none: the default
  bool operator==(const BirthOptions&) const = default;
};

/// The message of a refused birth, one line, meant for a person.
struct OptionError {
  std::string message;
};

/// A birth read from its options: the record the chain takes, with the coordinates and the
/// zone kept apart until the atlas has filled what a place stands in for.
struct BirthRecord {
  BirthData birth;   ///< the date, the clock time and the names as given
  ZoneChoice zone;   ///< the row or the exact offset given, or local mean time
  bool dst = false;  ///< daylight saving, which only a row takes
  std::optional<DegreesMinutes> latitude;   ///< as given, or as the atlas fills it
  std::optional<DegreesMinutes> longitude;  ///< as given, or as the atlas fills it
};

/// Reads a time-zone row written in decimal ("034" is row 34, never an octal number); whether
/// the row exists is judged by ReadBirthOptions.
std::variant<int, OptionError> ParseZoneRow(std::string_view text);

/// Reads the options given into a record, each text checked against its box's class, with
/// the messages the window shows; the year must be one the sky computes (see YearsOf). The
/// zone and the coordinates must be given unless a place is named, which FillFromPlace then
/// reads into the record.
std::variant<BirthRecord, OptionError> ReadBirthOptions(const BirthOptions& options, SkyKind sky);

/// The form's own rules on the whole birth (both coordinates there and on the globe, a day
/// the month has, in the window's words); then the record and its zone into the state, the
/// place names trimmed as the window keeps them. A refusal leaves the state as it was.
std::optional<OptionError> CompleteBirth(const BirthRecord& read, ChartState& state);

/// ReadBirthOptions then CompleteBirth, for a birth that names no place.
std::optional<OptionError> ReadBirth(const BirthOptions& options, ChartState& state,
                                     SkyKind sky = SkyKind::Classic);

}  // namespace tarvel::cli
