#pragma once

#include <vector>

#include "document/chart_document.h"
#include "document/period_list.h"

namespace tarvel {

/// The Vimshottari periods of a chart as lines to print after the synthesis: the lines of the
/// text output (PeriodLines, PeriodLineText) to the antardashas, those running on `on` marked,
/// each mahadasha's line a heading with a blank line before it.
std::vector<DocumentLine> MakePeriodLines(const ChartResult& chart, DashaYear year, CalendarDay on);

/// The document with the chart's periods after the synthesis (see MakePeriodLines), for the
/// printouts and PDFs that show them.
ChartDocument WithPeriods(ChartDocument document, const ChartResult& chart, DashaYear year,
                          CalendarDay on);

}  // namespace tarvel
