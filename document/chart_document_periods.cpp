#include "document/chart_document_periods.h"

#include "document/period_lines.h"

namespace tarvel {
namespace {

std::vector<DocumentLine> PeriodDocumentLines(const ChartResult& chart, DashaYear year,
                                              CalendarDay on) {
  std::vector<DocumentLine> lines;
  for (const PeriodLine& line : PeriodLines(chart, year, DashaDepth::Antardasha, on)) {
    const bool mahadasha = line.kind == PeriodLineKind::Period && line.level == 0;
    if (mahadasha) lines.push_back({DocumentLineKind::Blank, {}});
    const bool heading = mahadasha || line.kind == PeriodLineKind::Title;
    lines.push_back(
        {heading ? DocumentLineKind::Heading : DocumentLineKind::Entry, PeriodLineText(line)});
  }
  lines.push_back({DocumentLineKind::Blank, {}});
  return lines;
}

}  // namespace

ChartDocument WithPeriods(ChartDocument document, const ChartResult& chart, DashaYear year,
                          CalendarDay on) {
  document.periods = PeriodDocumentLines(chart, year, on);
  return document;
}

}  // namespace tarvel
