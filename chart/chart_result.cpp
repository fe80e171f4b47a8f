#include "chart/chart_result.h"

#include <utility>

namespace tarvel {

ChartSigns SignsInVarga(const SkyPositions& positions, Varga varga) {
  ChartSigns signs;
  signs.ascendant = VargaSign(positions.ascendantDeg, varga);
  for (int p = 0; p < kPlanetCount; ++p) signs.grahas[p] = VargaSign(positions.grahaDeg[p], varga);
  return signs;
}

ChartResult InVarga(ChartResult chart, std::optional<Varga> varga, ChartParts parts) {
  chart.varga = varga;
  chart.signs = SignsInVarga(chart.positions, varga.value_or(Varga::D1));
  chart.argala = EvaluateArgala(chart.signs);
  if (parts.Has(kReadingPart)) chart.reading = BuildReading(chart.argala);
  if (parts.Has(kSummaryPart)) chart.summary = SummariseArgala(chart.signs);
  return chart;
}

ChartResult ComputeChart(const BirthData& birth, const ZoneChoice& zone, const Sky& sky,
                         std::optional<Varga> varga, ChartParts parts) {
  ChartResult chart;
  chart.sky = sky.Settings();
  chart.varga = varga;
  InstantResult instant = InstantOf(birth, zone);
  if (!instant.instant) {
    chart.error = std::move(instant.error);
    return chart;
  }
  chart.instant = *instant.instant;
  // Each sky computes only the years it is good for, counted on the local clock as entered.
  if (auto refusal = YearRefusal(chart.sky.kind, birth.BirthYear)) {
    chart.error = std::move(*refusal);
    return chart;
  }
  SkyResult places =
      parts.Has(kMotionPart) ? sky.Positions(chart.instant) : sky.PlacesOnly(chart.instant);
  if (!places.error.empty()) {
    chart.error = std::move(places.error);
    return chart;
  }
  chart.positions = places.positions;
  return InVarga(std::move(chart), varga, parts);
}

}  // namespace tarvel
