#include "chart/chart_result.h"

#include <utility>

namespace tarvel {

ChartSigns SignsInVarga(const SkyPositions& positions, Varga varga) {
  ChartSigns signs;
  signs.ascendant = VargaSign(positions.ascendantDeg, varga);
  for (int p = 0; p < kPlanetCount; ++p) signs.grahas[p] = VargaSign(positions.grahaDeg[p], varga);
  return signs;
}

namespace {

// Empties a chart for the next one, keeping the room its lists have grown.
void ClearKeepingRoom(ChartResult& chart) {
  ArgalaResult argala;
  argala.argala = std::move(chart.argala.argala);
  argala.virodhargala = std::move(chart.argala.virodhargala);
  Reading reading = std::move(chart.reading);
  std::string error = std::move(chart.error);
  chart = ChartResult{};
  argala.argala.clear();
  argala.virodhargala.clear();
  reading.clear();
  error.clear();
  chart.argala = std::move(argala);
  chart.reading = std::move(reading);
  chart.error = std::move(error);
}

}  // namespace

void SetVarga(ChartResult& chart, std::optional<Varga> varga, ChartParts parts) {
  chart.varga = varga;
  chart.signs = SignsInVarga(chart.positions, varga.value_or(Varga::D1));
  EvaluateArgala(chart.signs, chart.argala);
  if (parts.Has(kReadingPart)) {
    BuildReading(chart.argala, chart.reading);
  } else {
    chart.reading.clear();
  }
  chart.summary = parts.Has(kSummaryPart) ? SummariseArgala(chart.signs) : ArgalaSummary{};
}

void ComputeChartInto(ChartResult& chart, const BirthData& birth, const ZoneChoice& zone,
                      const Sky& sky, std::optional<Varga> varga, ChartParts parts) {
  ClearKeepingRoom(chart);
  chart.sky = sky.Settings();
  chart.varga = varga;
  InstantResult instant = InstantOf(birth, zone);
  if (!instant.instant) {
    chart.error = std::move(instant.error);
    return;
  }
  chart.instant = *instant.instant;
  // Each sky computes only the years it is good for, counted on the local clock as entered.
  if (auto refusal = YearRefusal(chart.sky.kind, birth.BirthYear)) {
    chart.error = std::move(*refusal);
    return;
  }
  SkyResult places =
      parts.Has(kMotionPart) ? sky.Positions(chart.instant) : sky.PlacesOnly(chart.instant);
  if (!places.error.empty()) {
    chart.error = std::move(places.error);
    return;
  }
  chart.positions = places.positions;
  SetVarga(chart, varga, parts);
}

ChartResult ComputeChart(const BirthData& birth, const ZoneChoice& zone, const Sky& sky,
                         std::optional<Varga> varga, ChartParts parts) {
  ChartResult chart;
  ComputeChartInto(chart, birth, zone, sky, varga, parts);
  return chart;
}

}  // namespace tarvel
