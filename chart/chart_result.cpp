#include "chart/chart_result.h"

#include <utility>

#include "base/position_text.h"

namespace tarvel {

namespace {

ChartSigns SignsOf(const SkyPositions& positions) {
  ChartSigns signs;
  signs.ascendant = SignOfLongitude(positions.ascendantDeg);
  for (int p = 0; p < kPlanetCount; ++p) signs.grahas[p] = SignOfLongitude(positions.grahaDeg[p]);
  return signs;
}

}  // namespace

ChartResult ComputeChart(const BirthData& birth, const ZoneChoice& zone, const Sky& sky) {
  ChartResult chart;
  chart.sky = sky.Settings();
  InstantResult instant = InstantOf(birth, zone);
  if (!instant.instant) {
    chart.error = std::move(instant.error);
    return chart;
  }
  chart.instant = *instant.instant;
  SkyResult places = sky.Positions(chart.instant);
  if (!places.error.empty()) {
    chart.error = std::move(places.error);
    return chart;
  }
  chart.positions = places.positions;
  chart.signs = SignsOf(chart.positions);
  chart.argala = EvaluateArgala(chart.signs);
  chart.reading = BuildReading(chart.argala);
  return chart;
}

}  // namespace tarvel
