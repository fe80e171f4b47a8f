// Which planets move backward, against the 2023 stations at 12:00 UT published from the Swiss
// Ephemeris; the spans that open or close the year run on to their stations outside it.
#include <gtest/gtest.h>

#include <chrono>

#include "chart/skies.h"

namespace tarvel {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year;

struct Span {
  PlanetIndex planet;
  sys_days first, last;  // retrograde at 12:00 UT on both
};
const Span kSpans[] = {
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

// Days from `day` into the span that holds it (to its nearer end), or minus the days out to
// the nearest span.
int DaysInside(PlanetIndex planet, sys_days day) {
  int best = -1000;
  for (const Span& span : kSpans) {
    if (span.planet != planet) continue;
    best = std::max<int>(best, std::min((day - span.first).count(), (span.last - day).count()));
  }
  return best;
}

bool RetrogradeAtNoon(const Sky& sky, PlanetIndex planet, sys_days day) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(day.time_since_epoch());
  return sky.Positions({seconds.count() + 12 * 3600, 0, 0, 0}).positions.retrograde[planet];
}

TEST(RetrogradeTest, StationsOf2023InBothSkies) {
  const Skies skies;
  const Sky& precise = skies.For({SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean});
  const Sky& classic = skies.For({});
  for (sys_days day = year{2023} / 1 / 1; day <= year{2023} / 12 / 31; day += days{1}) {
    for (int p = Sun; p < kPlanetCount; ++p) {
      const auto planet = static_cast<PlanetIndex>(p);
      const int inside = DaysInside(planet, day);
      const std::string where = std::string(kPlanetNames[p]) + " " + std::to_string(inside);
      EXPECT_EQ(RetrogradeAtNoon(precise, planet, day), inside >= 0) << where;
      if (inside > kMarginDays || inside < -kMarginDays) {
        EXPECT_EQ(RetrogradeAtNoon(classic, planet, day), inside > 0) << where;
      }
    }
  }
  // How far the classic stations fall from the published ones, in days.
  for (const Span& span : kSpans) {
    sys_days first = span.first + (span.last - span.first) / 2;
    sys_days last = first;
    while (RetrogradeAtNoon(classic, span.planet, first - days{1})) first -= days{1};
    while (RetrogradeAtNoon(classic, span.planet, last + days{1})) last += days{1};
    std::cout << kPlanetNames[span.planet] << ": classic stations " << (first - span.first).count()
              << " and " << (last - span.last).count() << " days from the published\n";
  }
}

}  // namespace
}  // namespace tarvel
