#pragma once

#include <optional>
#include <string>
#include <variant>

#include <CLI/CLI.hpp>

#include "document/period_list.h"

namespace tarvel::cli {

/// The Vimshottari periods asked for: the year they are counted in and how deep they go.
struct DashaRequest {
  DashaYear year = DashaYear::Sidereal;
  DashaDepth depth = DashaDepth::Antardasha;
  bool operator==(const DashaRequest&) const = default;
};

/// The dasha options as typed, before they are read.
struct DashaOptionTexts {
  bool dasha = false;
  std::optional<std::string> depth;  ///< --dasha-depth
  std::optional<std::string> year;   ///< --dasha-year
};

/// Adds `--dasha`, `--dasha-depth 1|2|3` and `--dasha-year NAME` to a command.
void AddDashaOptions(CLI::App& command, DashaOptionTexts& texts);

/// The periods asked for, none without `--dasha` unless `implied` (a field that needs them);
/// the refusal of an unknown depth or year, or of either without the periods.
std::variant<std::optional<DashaRequest>, std::string> ReadDashaOptions(
    const DashaOptionTexts& texts, bool implied = false);

/// A day as `--on` takes it, YYYY-MM-DD; none for a text that is not a day of the calendar.
std::optional<CalendarDay> ParseCalendarDay(std::string_view text);

/// Today in the computer's own zone.
CalendarDay Today();

}  // namespace tarvel::cli
