#include "chart/chart_result.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <utility>

namespace tarvel {
namespace {

// A sky that answers every instant with the same places, as a damaged ephemeris might.
class FixedSky final : public Sky {
 public:
  explicit FixedSky(SkyPositions positions) : positions_(positions) {}
  SkyResult Positions(const BirthInstant&) const override { return {positions_, {}}; }
  SkySettings Settings() const override { return {SkyKind::Swiss, {}, {}}; }
  ZoneDirection ZoneRule() const override { return ZoneDirection::ByRow; }

 private:
  SkyPositions positions_;
};

BirthData NoonAtGreenwich() {
  BirthData birth;
  birth.BirthYear = 2000;
  birth.BirthMonth = 1;
  birth.BirthDay = 1;
  birth.BirthHour = 12;
  return birth;
}

TEST(ChartResultTest, APlaceOffTheCircleOrNoNumberIsAnErrorNotAChart) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // The Moon as no number, then 360 and -0.5 degrees, then the ascendant as no number.
  const std::array<std::pair<int, double>, 4> damaged{
      {{Moon, nan}, {Moon, 360}, {Mars, -0.5}, {-1, nan}}};
  for (const auto& [planet, valueDeg] : damaged) {
    SkyPositions positions;
    positions.ephemeris = SkyEphemeris::SwissFiles;
    (planet < 0 ? positions.ascendantDeg : positions.grahaDeg[planet]) = valueDeg;
    const ChartResult chart = ComputeChart(NoonAtGreenwich(), 29, FixedSky(positions));
    EXPECT_EQ(chart.error, "the sky gave a place outside 0-360 degrees") << planet << valueDeg;
    EXPECT_EQ(chart.positions, SkyPositions{});
    EXPECT_TRUE(chart.reading.empty());
  }
  // The circle's own edges are places.
  SkyPositions edges;
  edges.grahaDeg[Moon] = 359.999999;
  EXPECT_EQ(ComputeChart(NoonAtGreenwich(), 29, FixedSky(edges)).error, "");
}

}  // namespace
}  // namespace tarvel
