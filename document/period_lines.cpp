#include "document/period_lines.h"

#include <algorithm>
#include <array>

#include <fmt/format.h>

#include "document/period_argala.h"

namespace tarvel {

std::string PeriodLineText(const PeriodLine& line) {
  const bool argala = line.kind == PeriodLineKind::Argala;
  if (line.kind != PeriodLineKind::Period && !argala) return line.text;
  std::string text = line.running ? std::string(kRunningMark) + " " : "  ";
  text.append(2 * line.level + (argala ? 2 : 0), ' ');
  return text.append(line.text);
}

std::vector<PeriodLine> PeriodLines(const ChartResult& chart, DashaYear year, DashaDepth depth,
                                    CalendarDay day) {
  const PeriodList list =
      ListPeriods(DashaOfChart(chart, year, depth), chart.instant.offsetSeconds);
  std::array<std::vector<std::string>, kPlanetCount> lordLines;
  for (int p = 0; p < kPlanetCount; ++p) {
    lordLines[p] = LordArgalaLines(chart, static_cast<PlanetIndex>(p));
  }
  std::vector<PeriodLine> lines{
      {PeriodLineKind::Title, 0, false, std::string(kPeriodsTitle)},
      {PeriodLineKind::Note, 0, false,
       fmt::format("{} years of {} days; {} marks the periods running on {:04}-{:02}-{:02}",
                   DashaYearDisplayName(year), DashaYearDays(year), kRunningMark, day.year,
                   day.month, day.day)},
      {PeriodLineKind::Balance, 0, false, list.balanceText}};
  for (const PeriodRow& row : list.rows) {
    lines.push_back({PeriodLineKind::Period, row.level, RunsOn(row.period, day, list.offsetSeconds),
                     row.lordsText + ", " + row.datesText});
    // The lords of the periods it divides stand above it with their Argala already.
    const PlanetIndex lord = row.lords.back();
    if (std::find(row.lords.begin(), row.lords.end() - 1, lord) != row.lords.end() - 1) continue;
    for (const std::string& text : lordLines[lord]) {
      lines.push_back({PeriodLineKind::Argala, row.level, false, text});
    }
  }
  return lines;
}

}  // namespace tarvel
