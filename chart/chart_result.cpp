#include "chart/chart_result.h"

#include <algorithm>
#include <cmath>
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

bool OnCircle(double longitudeDeg) {
  return longitudeDeg >= 0 && longitudeDeg < 360;  // false for NaN too
}

// A place off the circle, or no number, stands in no sign: whichever sky gave it, no chart is
// drawn from it.
bool AllOnCircle(const SkyPositions& positions) {
  return OnCircle(positions.ascendantDeg) && std::isfinite(positions.chartCorrection) &&
         std::all_of(positions.grahaDeg.begin(), positions.grahaDeg.end(), OnCircle);
}

}  // namespace

ChartResult ComputeChart(const BirthData& birth, int zoneRow, const Sky& sky) {
  ChartResult chart;
  chart.sky = sky.Settings();
  InstantResult instant = InstantOf(birth, zoneRow, sky.ZoneRule());
  if (!instant.instant) {
    chart.error = std::move(instant.error);
    return chart;
  }
  chart.instant = *instant.instant;
  SkyResult places = sky.Positions(chart.instant);
  if (!places.error.empty() || !AllOnCircle(places.positions)) {
    chart.error = places.error.empty() ? "the sky gave a place outside 0-360 degrees"
                                       : std::move(places.error);
    return chart;
  }
  chart.positions = places.positions;
  chart.signs = SignsOf(chart.positions);
  chart.argala = EvaluateArgala(chart.signs);
  chart.reading = BuildReading(chart.argala);
  return chart;
}

}  // namespace tarvel
