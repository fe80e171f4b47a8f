#include "argala/chart_captions.h"

#include "argala/signs.h"

namespace tarvel {

namespace {

void AddSignItem(std::string& contents, std::string_view item) {
  if (!contents.empty()) contents.append(kSignItemSeparator);
  contents.append(item);
}

}  // namespace

std::array<std::string, kSignCount> BuildSignContents(std::optional<int> ascendantSign,
                                                      const PlanetTable& planetSigns) {
  std::array<std::string, kSignCount> contents;
  if (ascendantSign) contents[*ascendantSign] = kAscendantMarker;
  for (int p = 0; p < kPlanetCount; ++p) {
    const std::optional<int> sign = FindSign(ShortPositionSign(TrimSpaces(planetSigns[p])));
    if (sign) AddSignItem(contents[*sign], PlanetAbbrevs[p]);
  }
  return contents;
}

ChartCaptions BuildChartCaptions(const ChartState& state) {
  ChartCaptions captions;
  for (int p = 0; p < kPlanetCount; ++p) {
    captions.lblPlanets_Name[p] = state.PlanetNames[p];
    captions.lblPlanets_Position[p] = state.PlanetSigns[p];
    std::string& legend = captions.lblPlanet[p];
    legend.append(PlanetAbbrevs[p]).append("/").append(state.PlanetNames[p]);
    legend.append("/").append(state.GrahaNames[p]);
  }
  captions.lblSign = state.SignContents;
  return captions;
}

}  // namespace tarvel
