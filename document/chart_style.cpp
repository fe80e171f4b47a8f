#include "document/chart_style.h"

#include "base/choice_names.h"

namespace tarvel {
namespace {

constexpr std::array<ChoiceNames<ChartStyle>, kChartStyles.size()> kChartStyleNames{{
    {ChartStyle::South, "south", "South Indian"},
    {ChartStyle::North, "north", "North Indian"},
    {ChartStyle::East, "east", "East Indian"},
}};

}  // namespace

std::string_view ChartStyleCommandName(ChartStyle style) {
  return RowOf(kChartStyleNames, style).command;
}

std::string_view ChartStyleDisplayName(ChartStyle style) {
  return RowOf(kChartStyleNames, style).display;
}

std::optional<ChartStyle> ParseChartStyle(std::string_view name) {
  return ParseCommandName(kChartStyleNames, name);
}

std::string ChartStyleCommandNames() {
  return CommandNameList(kChartStyleNames);
}

}  // namespace tarvel
