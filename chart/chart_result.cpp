#include "chart/chart_result.h"

namespace tarvel {

ChartSigns SignsInVarga(const SkyPositions& positions, Varga varga) {
  ChartSigns signs;
  signs.ascendant = VargaSign(positions.ascendantDeg, varga);
  for (int p = 0; p < kPlanetCount; ++p) signs.grahas[p] = VargaSign(positions.grahaDeg[p], varga);
  return signs;
}

ChartResult InVarga(ChartResult chart, std::optional<Varga> varga) {
  chart.varga = varga;
  chart.rasiSigns = SignsInVarga(chart.positions, Varga::D1);
  const Varga shown = varga.value_or(Varga::D1);
  chart.signs = shown == Varga::D1 ? chart.rasiSigns : SignsInVarga(chart.positions, shown);
  chart.argala = EvaluateArgala(chart.signs);
  chart.reading = BuildReading(chart.argala);
  return chart;
}

ChartResult ComputeChart(const BirthData& birth, int zoneRow, const Sky& sky,
                         std::optional<Varga> varga) {
  ChartResult chart;
  chart.sky = sky.Settings();
  chart.positions = sky.Positions(birth, zoneRow);
  return InVarga(std::move(chart), varga);
}

}  // namespace tarvel
