#include "document/chart_captions.h"

#include "base/position_text.h"
#include "document/nakshatra_text.h"

namespace tarvel {

BoxItems SignBoxItems(const ChartSigns& signs, int sign) {
  BoxItems items;
  if (signs.ascendant == sign) items.push_back({std::nullopt, kAscendantMarker});
  ForEachPlanetIn(OccupantsBySign(signs)[static_cast<std::size_t>(sign)], [&](PlanetIndex planet) {
    items.push_back({planet, kPlanetAbbrevs[planet]});
  });
  return items;
}

std::string SignBoxText(const ChartSigns& signs, int sign) {
  return BoxText(SignBoxItems(signs, sign));
}

std::string LegendText(PlanetIndex planet) {
  std::string text(kPlanetAbbrevs[planet]);
  text.append("/").append(kPlanetNames[planet]).append("/").append(kGrahaNames[planet]);
  return text;
}

namespace {

void FillNakshatra(ListRow& row, const NakshatraPlace& place) {
  row.nakshatra = NakshatraName(place.number);
  row.padaAndLord = PadaAndLordText(place.pada, kPlanetNames[place.lord]);
}

}  // namespace

void AddNakshatras(ChartCaptions& captions, const ChartNakshatras& nakshatras, bool inVarga) {
  captions.nakshatraHeading = inVarga ? kRasiNakshatraHeading : kNakshatraHeading;
  for (int p = 0; p < kPlanetCount; ++p)
    FillNakshatra(captions.planetRows[p], nakshatras.grahas[p]);
  FillNakshatra(captions.ascendantRow, nakshatras.ascendant);
}

ChartCaptions BuildChartCaptions(const ChartSigns& signs,
                                 const std::array<double, kPlanetCount>& grahaDeg) {
  ChartCaptions captions;
  for (int sign = 0; sign < kSignCount; ++sign) {
    captions.signItems[sign] = SignBoxItems(signs, sign);
    captions.lblSign[sign] = BoxText(captions.signItems[sign]);
  }
  for (int p = 0; p < kPlanetCount; ++p) {
    captions.lblPlanet[p] = LegendText(static_cast<PlanetIndex>(p));
    captions.lblPlanets_Name[p] = kPlanetNames[p];
    captions.lblPlanets_Position[p] = ShortPosition(grahaDeg[p]);
    captions.planetRows[p].position = captions.lblPlanets_Position[p];
  }
  return captions;
}

}  // namespace tarvel
