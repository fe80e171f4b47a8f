#include "chart/chart_result.h"

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

ChartResult ComputeChart(const BirthData& birth, int zoneRow, const Sky& sky, ChartParts parts) {
  ChartResult chart;
  chart.sky = sky.Settings();
  chart.positions = sky.Positions(birth, zoneRow);
  chart.signs = SignsOf(chart.positions);
  chart.argala = EvaluateArgala(chart.signs);
  if (parts.Has(kReadingPart)) chart.reading = BuildReading(chart.argala);
  return chart;
}

}  // namespace tarvel
