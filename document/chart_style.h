#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

/// How the chart square is drawn. South Indian: signs fixed in a ring of twelve boxes, Aries
/// second from the left in the top row, running clockwise. North Indian: houses fixed in a
/// diamond, house 1 at the top centre, running counter-clockwise, each house showing its
/// sign's number. East Indian: signs fixed in a square of nine cells, Aries at the top
/// centre, running counter-clockwise.
enum class ChartStyle { South, North, East };

/// Every style, in the order of the menu and of the command line's help.
inline constexpr std::array kChartStyles{ChartStyle::South, ChartStyle::North, ChartStyle::East};

/// How one chart's square is drawn: its style, and the sign of its first house (the
/// ascendant's; Aries for a chart without one), where the North Indian square starts.
struct ChartFace {
  ChartStyle style = ChartStyle::South;
  int risingSign = 0;  ///< 0 = Aries ... 11 = Pisces
  bool operator==(const ChartFace&) const = default;
};

/// The style's name on the command line, in batch lines and in the settings: "south", "north"
/// or "east".
std::string_view ChartStyleCommandName(ChartStyle style);

/// The style's name in the window, e.g. "North Indian".
std::string_view ChartStyleDisplayName(ChartStyle style);

/// The style named on the command line, in any letter case; empty for an unknown name.
std::optional<ChartStyle> ParseChartStyle(std::string_view name);

/// Every style's command-line name, as a list: "south, north or east".
std::string ChartStyleCommandNames();

}  // namespace tarvel
