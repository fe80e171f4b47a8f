#pragma once

#include <string_view>
#include <vector>

#include "document/chart_document.h"
#include "document/period_list.h"

namespace tarvel {

/// The title above the periods where they follow the synthesis.
inline constexpr std::string_view kPeriodsTitle = "Vimshottari Dasha";

/// The Vimshottari periods of a chart as lines to print after the synthesis: the title, the
/// balance line and a blank line, then each mahadasha and each of its antardashas as a heading
/// ("Jupiter–Saturn, 12 Mar 2024 – 23 Sep 2026", followed by " — running on 8 December 2026"
/// when it runs on `on`), each followed by its own lord's Argala in the synthesis's words: a
/// line for each entry it casts ("Casts: House 4 (Cancer): Jupiter from the 2nd: Primary
/// Argala — Prevails") and obstructs ("Obstructs: ..."), or "No Argala"; a blank line after
/// each mahadasha's block. The years are of `year`'s length, dated in the birth's offset.
std::vector<DocumentLine> MakePeriodLines(const ChartResult& chart, DashaYear year, CalendarDay on);

/// The document with the chart's periods after the synthesis (see MakePeriodLines), for the
/// printouts and PDFs that show them.
ChartDocument WithPeriods(ChartDocument document, const ChartResult& chart, DashaYear year,
                          CalendarDay on);

}  // namespace tarvel
