#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "cli/chart/sky_options.h"
#include "document/chart_style.h"
#include "form/birth_form.h"
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

/// Reads a time-zone row written in decimal ("034" is row 34, never an octal number); whether
/// the row exists is judged by ReadBirthOptions.
std::variant<int, OptionError> ParseZoneRow(std::string_view text);

/// Reads the options given into a form, each text checked against its box's class, with the
/// messages the window shows; the year must be one the sky computes (see YearsOf). The zone and
/// the coordinates must be given unless a place is named, which FillFromPlace then reads into
/// the form.
std::variant<BirthForm, OptionError> ReadBirthOptions(const BirthOptions& options, SkyKind sky);

/// The window's rules on a whole form, the name and the place being optional.
std::optional<OptionError> CheckBirthForm(const BirthForm& form);

/// ReadBirthOptions then CheckBirthForm, for a birth that names no place.
std::variant<BirthForm, OptionError> BuildBirthForm(const BirthOptions& options,
                                                    SkyKind sky = SkyKind::Classic);

}  // namespace tarvel::cli
