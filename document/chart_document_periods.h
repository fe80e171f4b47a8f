#pragma once

#include <vector>

#include "document/chart_document.h"
#include "document/period_list.h"

namespace tarvel {

/// The document with the chart's Vimshottari periods after the synthesis, for the printouts and
/// PDFs that show them: the lines of the text output (PeriodLines, PeriodLineText) to the
/// antardashas, those running on `on` marked, each mahadasha's line a heading with a blank
/// line before it.
ChartDocument WithPeriods(ChartDocument document, const ChartResult& chart, DashaYear year,
                          CalendarDay on);

}  // namespace tarvel
