#include "document/chart_captions.h"

#include "base/position_text.h"

namespace tarvel {

std::string SignBoxText(const ChartSigns& signs, int sign) {
  std::string text;
  ForEachPieceOfOccupants(signs.ascendant == sign,
                          OccupantsBySign(signs)[static_cast<std::size_t>(sign)],
                          [&](std::string_view piece) { text.append(piece); });
  return text;
}

std::string LegendText(PlanetIndex planet) {
  std::string text(kPlanetAbbrevs[planet]);
  text.append("/").append(kPlanetNames[planet]).append("/").append(kGrahaNames[planet]);
  return text;
}

ChartCaptions BuildChartCaptions(const ChartSigns& signs,
                                 const std::array<double, kPlanetCount>& grahaDeg) {
  ChartCaptions captions;
  for (int sign = 0; sign < kSignCount; ++sign) captions.lblSign[sign] = SignBoxText(signs, sign);
  for (int p = 0; p < kPlanetCount; ++p) {
    captions.lblPlanet[p] = LegendText(static_cast<PlanetIndex>(p));
    captions.lblPlanets_Name[p] = kPlanetNames[p];
    captions.lblPlanets_Position[p] = ShortPosition(grahaDeg[p]);
  }
  return captions;
}

}  // namespace tarvel
