#include "document/box_details.h"

#include "base/position_text.h"

namespace tarvel {

std::string BoxItemText(std::string_view abbreviation, double longitudeDeg, bool retrograde,
                        BoxDetails details) {
  std::string text(abbreviation);
  if (details.degrees) text.append(" ").append(DegreesInSign(longitudeDeg));
  if (details.retrogradeMark && retrograde) text.append(" ").append(kRetrogradeMark);
  return text;
}

std::string DetailedSignBoxText(const ChartSigns& signs, const SkyPositions& positions, int sign,
                                BoxDetails details) {
  std::string text;
  if (signs.ascendant == sign) {
    text = BoxItemText(kAscendantMarker, positions.ascendantDeg, false, details);
  }
  for (int p = 0; p < kPlanetCount; ++p) {
    if (signs.grahas[p] != sign) continue;
    if (!text.empty()) text.append(kSignItemSeparator);
    text.append(
        BoxItemText(kPlanetAbbrevs[p], positions.grahaDeg[p], positions.retrograde[p], details));
  }
  return text;
}

ChartCaptions DetailedCaptions(const ChartSigns& signs, const SkyPositions& positions,
                               BoxDetails details) {
  ChartCaptions captions = BuildChartCaptions(signs, positions.grahaDeg);
  if (details == BoxDetails{}) return captions;
  for (int sign = 0; sign < kSignCount; ++sign) {
    captions.lblSign[sign] = DetailedSignBoxText(signs, positions, sign, details);
  }
  if (details.degrees) {
    captions.ascendantName = kAscendantName;
    captions.ascendantPosition = ShortPosition(positions.ascendantDeg);
  }
  return captions;
}

}  // namespace tarvel
