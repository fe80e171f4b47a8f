#include "document/nakshatra_text.h"

namespace tarvel {

NakshatraEntry NakshatraEntryOf(std::string_view body, double longitudeDeg) {
  const NakshatraPlace place = NakshatraOf(longitudeDeg);
  return {body, NakshatraName(place.number), place.number, place.pada, kPlanetNames[place.lord]};
}

std::array<NakshatraEntry, kPlanetCount + 1> NakshatraEntries(const ChartResult& chart) {
  std::array<NakshatraEntry, kPlanetCount + 1> entries;
  entries[0] = NakshatraEntryOf(kAscendantName, chart.positions.ascendantDeg);
  for (int p = 0; p < kPlanetCount; ++p) {
    entries[p + 1] = NakshatraEntryOf(kPlanetNames[p], chart.positions.grahaDeg[p]);
  }
  return entries;
}

std::string NakshatraText(const NakshatraEntry& entry) {
  return std::string(entry.name) + ", " + PadaAndLordText(entry.pada, entry.lord);
}

}  // namespace tarvel
