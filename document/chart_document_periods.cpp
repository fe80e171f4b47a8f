#include "document/chart_document_periods.h"

#include "base/date_text.h"
#include "document/lord_argala.h"
#include "document/summary_text.h"

namespace tarvel {
namespace {

// The periods printed: the mahadashas and their antardashas.
constexpr std::size_t kPrintedLevels = 2;

// "House 4 (Cancer)" or "Sun (house 5)", as the synthesis heads the recipient.
std::string RecipientHeading(const ChartResult& chart, ArgalaRecipient recipient) {
  if (recipient.kind == ArgalaRecipient::Kind::House) {
    return HouseHeading(recipient.index, HouseSign(chart.signs, recipient.index));
  }
  const auto planet = static_cast<PlanetIndex>(recipient.index);
  return PlanetHeading(planet, chart.argala.houses[recipient.index]);
}

void AddEntryLines(const ChartResult& chart, std::string_view how,
                   const std::vector<RecipientEntry>& entries, std::vector<DocumentLine>& lines) {
  for (const RecipientEntry& entry : entries) {
    std::string text = std::string(how) + RecipientHeading(chart, entry.recipient) + ": ";
    AppendSummaryEntryText(text, entry.entry);
    lines.push_back({DocumentLineKind::Entry, std::move(text), entry.entry.verdict});
  }
}

void AddLordLines(const ChartResult& chart, PlanetIndex lord, std::vector<DocumentLine>& lines) {
  const LordArgala argala = ArgalaOfLord(chart.summary, lord);
  AddEntryLines(chart, "Casts: ", argala.casts, lines);
  AddEntryLines(chart, "Obstructs: ", argala.obstructs, lines);
  if (argala.casts.empty() && argala.obstructs.empty()) {
    lines.push_back({DocumentLineKind::Entry, std::string(kNoSummaryArgalaText)});
  }
}

std::string PeriodHeading(const PeriodRow& row, bool running, CalendarDay on) {
  std::string text = row.lordsText + ", " + row.datesText;
  if (running) text.append(" — running on ").append(DateText(on.year, on.month, on.day));
  return text;
}

}  // namespace

std::vector<DocumentLine> MakePeriodLines(const ChartResult& chart, DashaYear year,
                                          CalendarDay on) {
  const PeriodList list = ListChartPeriods(chart, year);
  std::vector<DocumentLine> lines = {{DocumentLineKind::Heading, std::string(kPeriodsTitle)},
                                     {DocumentLineKind::Entry, list.balanceText},
                                     {DocumentLineKind::Blank, {}}};
  for (std::size_t at = 0; at < list.rows.size(); ++at) {
    const PeriodRow& row = list.rows[at];
    if (row.level >= kPrintedLevels) continue;
    // A blank line closes each mahadasha's block before the next begins.
    if (row.level == 0 && at > 0) lines.push_back({DocumentLineKind::Blank, {}});
    const bool running = RunsOn(row.period, on, list.offsetSeconds);
    lines.push_back({DocumentLineKind::Heading, PeriodHeading(row, running, on)});
    AddLordLines(chart, row.lords.back(), lines);
  }
  lines.push_back({DocumentLineKind::Blank, {}});
  return lines;
}

ChartDocument WithPeriods(ChartDocument document, const ChartResult& chart, DashaYear year,
                          CalendarDay on) {
  document.periods = MakePeriodLines(chart, year, on);
  return document;
}

}  // namespace tarvel
