#include "document/period_list.h"

#include <fmt/chrono.h>
#include <fmt/format.h>

#include <chrono>
#include <ctime>

namespace tarvel {
namespace {

// "1 year", "4 years": the balance counts whole units.
std::string Count(int count, std::string_view unit) {
  return fmt::format("{} {}{}", count, unit, count == 1 ? "" : "s");
}

std::string DayText(std::int64_t localSeconds) {
  const std::tm tm = fmt::gmtime(static_cast<std::time_t>(localSeconds));
  return fmt::format("{} {:%b %Y}", tm.tm_mday, tm);
}

// A period's first and last days in a fixed offset from universal time, e.g. "12 Mar 2024 –
// 23 Sep 2026": no zone history is looked up for later dates.
std::string PeriodDatesText(const DashaPeriod& period, std::int32_t offsetSeconds) {
  // The end is the next period's first second, so the last day is the one before it.
  return DayText(period.startSeconds + offsetSeconds) + " – " +
         DayText(period.endSeconds + offsetSeconds - 1);
}

// "Balance of the Sun's period at birth: 4 years 8 months 28 days".
std::string BalanceText(const VimshottariDasha& dasha) {
  const PlanetIndex lord = DashaLevel(dasha, 0).front().lord;
  const DashaBalance& balance = dasha.balance;
  return fmt::format("Balance of {}'s period at birth: {} {} {}", PlanetReference(lord),
                     Count(balance.years, "year"), Count(balance.months, "month"),
                     Count(balance.wholeDays, "day"));
}

void AddRows(const VimshottariDasha& dasha, std::size_t level, std::size_t index,
             std::vector<PlanetIndex> lords, PeriodList& list) {
  const DashaPeriod& period = DashaLevel(dasha, level)[index];
  lords.push_back(period.lord);
  std::string lordsText;
  for (const PlanetIndex lord : lords) {
    lordsText.append(lordsText.empty() ? "" : "–").append(kPlanetNames[lord]);
  }
  list.rows.push_back(
      {level, period, lords, std::move(lordsText), PeriodDatesText(period, list.offsetSeconds)});
  for (std::size_t sub = 0; sub < SubPeriods(dasha, level, index).size(); ++sub) {
    AddRows(dasha, level + 1, index * kPlanetCount + sub, lords, list);
  }
}

}  // namespace

std::string PlanetReference(PlanetIndex planet) {
  const bool named = planet == Sun || planet == Moon || planet == NNode || planet == SNode;
  return (named ? "the " : "") + std::string(kPlanetNames[planet]);
}

PeriodList ListPeriods(const VimshottariDasha& dasha, std::int32_t offsetSeconds) {
  PeriodList list{BalanceText(dasha), offsetSeconds, {}};
  for (std::size_t index = 0; index < DashaLevel(dasha, 0).size(); ++index) {
    AddRows(dasha, 0, index, {}, list);
  }
  return list;
}

VimshottariDasha DashaOfChart(const ChartResult& chart, DashaYear year, DashaDepth depth) {
  return ComputeVimshottari(chart.instant.universalSeconds, chart.positions.grahaDeg[Moon], year,
                            depth);
}

PeriodList ListChartPeriods(const ChartResult& chart, DashaYear year) {
  return ListPeriods(DashaOfChart(chart, year, DashaDepth::Pratyantardasha),
                     chart.instant.offsetSeconds);
}

bool RunsOn(const DashaPeriod& period, CalendarDay day, std::int32_t offsetSeconds) {
  using namespace std::chrono;
  const sys_days date{year_month_day{year{day.year}, month(static_cast<unsigned>(day.month)),
                                     std::chrono::day(static_cast<unsigned>(day.day))}};
  const std::int64_t startSeconds =
      duration_cast<seconds>(date.time_since_epoch()).count() - offsetSeconds;
  return period.startSeconds < startSeconds + 86400 && period.endSeconds > startSeconds;
}

std::optional<std::size_t> RunningRow(const PeriodList& list, CalendarDay day) {
  std::optional<std::size_t> deepest;
  // Rows come in tree order, so the first running row of each deeper level lies inside the
  // one found before it.
  for (std::size_t at = 0; at < list.rows.size(); ++at) {
    const PeriodRow& row = list.rows[at];
    if ((!deepest || row.level > list.rows[*deepest].level) &&
        RunsOn(row.period, day, list.offsetSeconds)) {
      deepest = at;
    }
  }
  return deepest;
}

}  // namespace tarvel
