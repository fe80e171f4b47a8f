#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/period_list.h"

namespace tarvel {

/// The title above the periods where they follow the reading.
inline constexpr std::string_view kPeriodsTitle = "Vimshottari Periods";
/// The mark of a period running on the day asked, before its line.
inline constexpr std::string_view kRunningMark = "▶";

enum class PeriodLineKind {
  Title,    ///< kPeriodsTitle
  Note,     ///< the year the periods count in and the day they are marked for
  Balance,  ///< what remains of the first mahadasha at birth
  Period,   ///< a period's lords and dates, e.g. "Jupiter–Saturn, 12 Mar 2024 – 23 Sep 2026"
  Argala,   ///< an entry of the Argala a period's lord casts or obstructs
};

/// One line of the periods as text and print show them, UTF-8, without a line break.
struct PeriodLine {
  PeriodLineKind kind = PeriodLineKind::Period;
  std::size_t level = 0;  ///< a period's level (0 for a mahadasha), its Argala lines' too
  bool running = false;   ///< a period running on the day asked
  std::string text;
  bool operator==(const PeriodLine&) const = default;
};

/// A line as text and print show it: a period's line after the running mark or room for it,
/// indented two spaces a level under the period it divides, a period's Argala two spaces more.
std::string PeriodLineText(const PeriodLine& line);

/// The Vimshottari periods of a computed chart as lines: the title, a note naming the year and
/// the day, the balance, then each period as deep as asked, dated in the birth's offset, each
/// followed by the Argala its lord casts and obstructs (unless a period it divides has the same
/// lord, whose lines stand above it) and then by the periods that divide it. The periods
/// running on `day` are marked.
std::vector<PeriodLine> PeriodLines(const ChartResult& chart, DashaYear year, DashaDepth depth,
                                    CalendarDay day);

}  // namespace tarvel
