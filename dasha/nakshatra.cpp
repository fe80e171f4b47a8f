#include "dasha/nakshatra.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvel {
namespace {

constexpr int kPadasPerNakshatra = 4;
constexpr int kPadaCount = kNakshatraCount * kPadasPerNakshatra;
constexpr double kNakshatraDeg = 40.0 / 3;  // 13°20′
constexpr double kBelowOne = 1 - std::numeric_limits<double>::epsilon() / 2;

// The double nearest the start of pada `index` (0 at 0° Aries): k × 3°20′, rounded once.
double PadaStartDeg(int index) {
  return index * 10.0 / 3;
}

// The longitude in 0-360; a tiny negative one that would round up to 360 is 0°.
double WithinOneTurn(double longitudeDeg) {
  if (longitudeDeg >= 0 && longitudeDeg < 360) return longitudeDeg;
  const double reduced = std::fmod(longitudeDeg, 360.0);
  const double turned = reduced < 0 ? reduced + 360 : reduced;
  return turned < 360 ? turned : 0;
}

// The pada counted from 0° Aries, 0 to 107. The product may fall a pada short of or past an
// edge it lies next to, so the rounded edges themselves decide.
int PadaIndex(double longitudeDeg) {
  int index = static_cast<int>(longitudeDeg * 0.3);
  if (longitudeDeg < PadaStartDeg(index)) {
    --index;
  } else if (index + 1 < kPadaCount && longitudeDeg >= PadaStartDeg(index + 1)) {
    ++index;
  }
  return index;
}

}  // namespace

NakshatraPlace NakshatraOf(double longitudeDeg) {
  const double deg = WithinOneTurn(longitudeDeg);
  const int pada = PadaIndex(deg);
  const int nakshatra = pada / kPadasPerNakshatra;
  const double traversed = (deg - PadaStartDeg(nakshatra * kPadasPerNakshatra)) / kNakshatraDeg;
  // Just below an edge the rounded span may come out a hair over the whole nakshatra.
  return {nakshatra + 1, pada % kPadasPerNakshatra + 1,
          kVimshottariLords[nakshatra % kPlanetCount].planet, std::min(traversed, kBelowOne)};
}

std::string_view NakshatraName(int number) {
  return kNakshatraNames[number - 1];
}

ChartNakshatras NakshatrasOf(const SkyPositions& positions) {
  ChartNakshatras nakshatras;
  nakshatras.ascendant = NakshatraOf(positions.ascendantDeg);
  for (int p = 0; p < kPlanetCount; ++p) {
    nakshatras.grahas[p] = NakshatraOf(positions.grahaDeg[p]);
  }
  return nakshatras;
}

}  // namespace tarvel
