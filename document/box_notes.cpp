#include "document/box_notes.h"

#include <string_view>

#include "base/position_text.h"
#include "document/argala_text.h"
#include "document/box_details.h"
#include "document/nakshatra_text.h"

namespace tarvel {
namespace {

constexpr BoxDetails kEverything{true, true};
constexpr std::string_view kEntrySeparator = "; ";

// "Casts: " or "Receives: " and the Argala entries the planet takes part in that way.
std::string ArgalaLine(const ArgalaResult& argala, PlanetIndex planet, bool casts) {
  std::string line(casts ? "Casts: " : "Receives: ");
  const std::size_t start = line.size();
  for (const ArgalaEntry& entry : argala.argala) {
    if ((casts ? entry.caster : entry.recipient) != planet) continue;
    if (line.size() > start) line.append(kEntrySeparator);
    AppendEntryText(line, entry);
  }
  if (line.size() == start) line.append("no Argala");
  return line;
}

// "Mercury 12°07' (R)": the name, then the item text without an abbreviation.
std::string PlanetLine(const SkyPositions& positions, PlanetIndex planet) {
  return BoxItemText(DetailedItem({planet, kPlanetNames[planet]}, positions, kEverything));
}

// "Nakshatra: Uttara Ashadha, pada 1, lord Sun"; in a varga the heading says whose it is.
std::string NakshatraLine(const ChartResult& chart, double longitudeDeg) {
  const std::string_view heading = chart.varga ? kRasiNakshatraHeading : kNakshatraHeading;
  return std::string(heading) + ": " + NakshatraText(NakshatraEntryOf({}, longitudeDeg));
}

}  // namespace

std::vector<std::string> BoxNoteLines(const ChartResult& chart, int sign) {
  std::vector<std::string> lines;
  lines.push_back(std::string(kSignNames[sign]) + ", ruled by " +
                  std::string(kPlanetNames[kSignLords[sign]]));
  const SkyPositions& positions = chart.positions;
  if (chart.signs.ascendant == sign) {
    lines.push_back(std::string(kAscendantName) + " " + DegreesInSign(positions.ascendantDeg));
    lines.push_back(NakshatraLine(chart, positions.ascendantDeg));
  }
  for (int p = 0; p < kPlanetCount; ++p) {
    if (chart.signs.grahas[p] != sign) continue;
    const auto planet = static_cast<PlanetIndex>(p);
    lines.push_back(PlanetLine(positions, planet));
    lines.push_back(NakshatraLine(chart, positions.grahaDeg[p]));
    lines.push_back(ArgalaLine(chart.argala, planet, true));
    lines.push_back(ArgalaLine(chart.argala, planet, false));
  }
  return lines;
}

}  // namespace tarvel
