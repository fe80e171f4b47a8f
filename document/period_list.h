#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_result.h"
#include "dasha/vimshottari.h"

namespace tarvel {

/// One period as a front end lists it.
struct PeriodRow {
  std::size_t level = 0;  ///< 0 for a mahadasha, 1 for an antardasha, 2 for a pratyantardasha
  DashaPeriod period;
  std::vector<PlanetIndex> lords;  ///< the mahadasha's lord first, down to this period's
  std::string lordsText;           ///< e.g. "Jupiter–Saturn"
  std::string datesText;           ///< e.g. "12 Mar 2024 – 23 Sep 2026"
  bool operator==(const PeriodRow&) const = default;
};

/// The Vimshottari periods of a chart as the window lists them: the balance line, then every
/// period to the pratyantardashas, each followed by the periods that divide it.
struct PeriodList {
  std::string
      balanceText;  ///< e.g. "Balance of the Sun's period at birth: 4 years 8 months 28 days"
  std::int32_t offsetSeconds = 0;  ///< the birth's offset from universal time, for every date
  std::vector<PeriodRow> rows;
  bool operator==(const PeriodList&) const = default;
};

/// A planet as a sentence names it: "the Sun", "the Moon", "the N Node", "Jupiter".
std::string PlanetReference(PlanetIndex planet);

/// The periods of a dasha in tree order, dated in a fixed offset from universal time.
PeriodList ListPeriods(const VimshottariDasha& dasha, std::int32_t offsetSeconds);

/// The dasha of a computed chart as deep as asked, from its universal instant and the Rasi Moon.
VimshottariDasha DashaOfChart(const ChartResult& chart, DashaYear year, DashaDepth depth);

/// The periods of a computed chart to the pratyantardashas, from the Rasi Moon, dated in the
/// birth's offset.
PeriodList ListChartPeriods(const ChartResult& chart, DashaYear year);

/// A calendar day, Gregorian.
struct CalendarDay {
  int year = 2000;  ///< 1-9999
  int month = 1;    ///< 1-12
  int day = 1;      ///< 1-31
};

/// Whether any part of a period falls on a day of the clock `offsetSeconds` ahead of universal
/// time; a period ending at midnight does not run on the day that begins then.
bool RunsOn(const DashaPeriod& period, CalendarDay day, std::int32_t offsetSeconds);

/// The deepest period running on a day, the earliest where two touch it (on the day one ends
/// and the next begins); none when the day is outside every period.
std::optional<std::size_t> RunningRow(const PeriodList& list, CalendarDay day);

}  // namespace tarvel
