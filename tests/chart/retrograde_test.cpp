// Which planets move backward, checked against the 2023 stations at 12:00 UT as published from
// the Swiss Ephemeris. The spans that open or close the year run on past it to their stations.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>

#include "chart/skies.h"

namespace tarvel {
namespace {

using std::chrono::sys_days;
using std::chrono::year;

struct RetrogradeSpan {
  PlanetIndex planet;
  sys_days first;  ///< the first day retrograde at 12:00 UT
  sys_days last;   ///< the last day retrograde at 12:00 UT
};

const RetrogradeSpan kSpans2023[] = {
    {Mercury, year{2022} / 12 / 29, year{2023} / 1 / 18},
    {Mercury, year{2023} / 4 / 21, year{2023} / 5 / 14},
    {Mercury, year{2023} / 8 / 24, year{2023} / 9 / 15},
    {Mercury, year{2023} / 12 / 13, year{2024} / 1 / 1},
    {Mars, year{2022} / 10 / 31, year{2023} / 1 / 12},
    {Venus, year{2023} / 7 / 23, year{2023} / 9 / 3},
    {Jupiter, year{2023} / 9 / 5, year{2023} / 12 / 30},
    {Saturn, year{2023} / 6 / 18, year{2023} / 11 / 3},
};

constexpr int kMarginDays = 3;
const sys_days kFirstDay = year{2023} / 1 / 1;
const sys_days kLastDay = year{2023} / 12 / 31;

// Days from `day` to the nearest day of a span of the planet: 0 inside one, else how far out.
int DaysOutside(PlanetIndex planet, sys_days day) {
  int nearest = 1000;
  for (const RetrogradeSpan& span : kSpans2023) {
    if (span.planet != planet) continue;
    const int before = static_cast<int>((span.first - day).count());
    const int after = static_cast<int>((day - span.last).count());
    nearest = std::min(nearest, std::max({before, after, 0}));
  }
  return nearest;
}

// Days from `day` to the nearer end of the span that holds it; -1 outside every span.
int DaysInside(PlanetIndex planet, sys_days day) {
  for (const RetrogradeSpan& span : kSpans2023) {
    if (span.planet != planet || day < span.first || day > span.last) continue;
    return static_cast<int>(std::min((day - span.first).count(), (span.last - day).count()));
  }
  return -1;
}

std::array<bool, kPlanetCount> RetrogradeAtNoon(const Sky& sky, sys_days day) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(day.time_since_epoch());
  const BirthInstant noon{seconds.count() + 12 * 3600, 0, 0, 0};
  const SkyResult result = sky.Positions(noon);
  EXPECT_EQ(result.error, "");
  return result.positions.retrograde;
}

// The first and last classic retrograde days of the run that holds the span's middle day, as
// offsets from the span's ends.
std::string ClassicStations(const Sky& sky, const RetrogradeSpan& span) {
  const auto isRetro = [&](sys_days day) { return RetrogradeAtNoon(sky, day)[span.planet]; };
  sys_days first = span.first + (span.last - span.first) / 2;
  if (!isRetro(first)) return "no classic retrograde in the span";
  sys_days last = first;
  while (isRetro(first - std::chrono::days{1})) first -= std::chrono::days{1};
  while (isRetro(last + std::chrono::days{1})) last += std::chrono::days{1};
  std::ostringstream text;
  text << (first - span.first).count() << " and " << (last - span.last).count() << " days";
  return text.str();
}

TEST(RetrogradeTest, StationsOf2023InBothSkies) {
  const Skies skies;
  const Sky& precise = skies.For({SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean});
  const Sky& classic = skies.For({});
  for (sys_days day = kFirstDay; day <= kLastDay; day += std::chrono::days{1}) {
    const auto preciseRetro = RetrogradeAtNoon(precise, day);
    const auto classicRetro = RetrogradeAtNoon(classic, day);
    for (int p = Sun; p < kPlanetCount; ++p) {
      const auto planet = static_cast<PlanetIndex>(p);
      const std::string where = std::string(kPlanetNames[p]) + " on day " +
                                std::to_string((day - kFirstDay).count() + 1) + " of 2023";
      const int inside = DaysInside(planet, day);
      EXPECT_EQ(preciseRetro[p], inside >= 0) << where;
      if (inside > kMarginDays) {
        EXPECT_TRUE(classicRetro[p]) << where;
      } else if (DaysOutside(planet, day) > kMarginDays) {
        EXPECT_FALSE(classicRetro[p]) << where;
      }
    }
  }
  for (const RetrogradeSpan& span : kSpans2023) {
    std::cout << kPlanetNames[span.planet] << ": the classic stations fall "
              << ClassicStations(classic, span) << " from the published ones\n";
  }
}

}  // namespace
}  // namespace tarvel
