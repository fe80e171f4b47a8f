#include <gtest/gtest.h>

#include "chart/chart_result.h"
#include "chart/skies.h"
#include "tests/support/form_birth.h"

namespace tarvel {
namespace {

struct ChartAsked {
  BirthData birth;
  std::optional<Varga> varga;
  ChartParts parts;
};

// A chart computed over another must keep nothing of it: every list, the reading, the
// synthesis and the error start afresh, whatever the earlier chart held.
TEST(ChartReuseTest, AChartComputedOverAnotherEqualsAFreshOne) {
  const Skies skies;
  const Sky& sky = skies.For({SkyKind::Classic});
  const BirthData delhi =
      testing::FormBirth({1984, 11, 3, 5, 40, 0}, 29, false, {28, 36, false, 77, 12, true});
  const BirthData london =
      testing::FormBirth({1941, 6, 15, 23, 5, 0}, 29, true, {51, 30, false, 0, 7, false});
  BirthData tooEarly = delhi;
  tooEarly.BirthYear = 1850;
  const ChartAsked asked[] = {
      {delhi, std::nullopt, {}},    {london, Varga::D9, ChartParts{kReadingPart}},
      {tooEarly, std::nullopt, {}}, {delhi, Varga::D60, ChartParts{0}},
      {london, std::nullopt, {}},
  };
  ChartResult reused;
  for (const ChartAsked& earlier : asked) {
    for (const ChartAsked& later : asked) {
      ComputeChartInto(reused, earlier.birth, RowZone(29), sky, earlier.varga, earlier.parts);
      ComputeChartInto(reused, later.birth, RowZone(29), sky, later.varga, later.parts);
      EXPECT_EQ(reused, ComputeChart(later.birth, RowZone(29), sky, later.varga, later.parts));
    }
  }
}

// Switching the varga in place gives the chart computed in that varga.
TEST(ChartReuseTest, SetVargaEqualsComputingInTheVarga) {
  const Skies skies;
  const Sky& sky = skies.For({SkyKind::Classic});
  const BirthData birth =
      testing::FormBirth({1984, 11, 3, 5, 40, 0}, 29, false, {28, 36, false, 77, 12, true});
  ChartResult chart = ComputeChart(birth, RowZone(29), sky, Varga::D9);
  for (const std::optional<Varga> varga : {std::optional<Varga>{}, std::optional{Varga::D3}}) {
    SetVarga(chart, varga);
    EXPECT_EQ(chart, ComputeChart(birth, RowZone(29), sky, varga));
  }
}

}  // namespace
}  // namespace tarvel
