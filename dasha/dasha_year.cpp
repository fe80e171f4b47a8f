#include "dasha/dasha_year.h"

#include <algorithm>

#include "base/choice_names.h"

namespace tarvel {
namespace {

struct DashaYearRow {
  ChoiceNames<DashaYear> names;
  double days;
};

constexpr std::array<DashaYearRow, kDashaYears.size()> kYearRows{{
    // The sidereal year, one turn of the Sun against the stars (Astronomical Almanac, J2000).
    {{DashaYear::Sidereal, "sidereal", "Sidereal"}, 365.256364},
    // The Julian year, the astronomers' unit of 365¼ days (IAU, 1976).
    {{DashaYear::Julian, "julian", "Julian"}, 365.25},
    // The mean tropical year, equinox to equinox (Newcomb, Tables of the Sun, 1895).
    {{DashaYear::Tropical, "tropical", "Tropical"}, 365.24219},
    // The savana year of twelve months of thirty civil days (Surya Siddhanta, ch. 14).
    {{DashaYear::Savana, "savana", "Savana"}, 360},
}};

// The names alone, for the choice helpers that parse and list them.
constexpr auto kYearNames = [] {
  std::array<ChoiceNames<DashaYear>, kYearRows.size()> names{};
  std::ranges::transform(kYearRows, names.begin(), &DashaYearRow::names);
  return names;
}();

const DashaYearRow& YearRow(DashaYear year) {
  return *std::ranges::find(kYearRows, year,
                            [](const DashaYearRow& row) { return row.names.kind; });
}

}  // namespace

double DashaYearDays(DashaYear year) {
  return YearRow(year).days;
}

std::string_view DashaYearCommandName(DashaYear year) {
  return YearRow(year).names.command;
}

std::string DashaYearCommandNames() {
  return CommandNameList(kYearNames);
}

std::string_view DashaYearDisplayName(DashaYear year) {
  return YearRow(year).names.display;
}

std::optional<DashaYear> ParseDashaYear(std::string_view name) {
  return ParseCommandName(kYearNames, name);
}

}  // namespace tarvel
