#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

/// The year a dasha's years are counted in.
enum class DashaYear { Sidereal, Julian, Tropical, Savana };

/// Every dasha year, in the order a menu lists them; the sidereal year is the default.
inline constexpr std::array kDashaYears{DashaYear::Sidereal, DashaYear::Julian, DashaYear::Tropical,
                                        DashaYear::Savana};

/// The length of the year in days: 365.256364, 365.25, 365.24219 or 360.
double DashaYearDays(DashaYear year);

/// The year's name on the command line and in settings: "sidereal", "julian", "tropical" or
/// "savana".
std::string_view DashaYearCommandName(DashaYear year);

/// Every year's command-line name, as a list: "sidereal, julian, tropical or savana".
std::string DashaYearCommandNames();

/// The year's name in the window and in texts: "Sidereal", "Julian", "Tropical" or "Savana".
std::string_view DashaYearDisplayName(DashaYear year);

/// The year named on the command line, in any letter case; empty for an unknown name.
std::optional<DashaYear> ParseDashaYear(std::string_view name);

}  // namespace tarvel
