#include "varga/varga_longitude.h"

#include <algorithm>
#include <cmath>

#include "base/position_text.h"

namespace tarvel {
namespace {

constexpr double kSignWidthDeg = 30;

// Where a degree of the sign stands within its part, as a fraction of the part's width.
double FractionOfUnequalPart(std::span<const VargaPart> parts, double degreeInSign) {
  double startDeg = 0;
  for (const VargaPart& part : parts) {
    if (degreeInSign < startDeg + part.widthDeg) return (degreeInSign - startDeg) / part.widthDeg;
    startDeg += part.widthDeg;
  }
  return 1;
}

double FractionOfEqualPart(const VargaRule& rule, double degreeInSign) {
  const double parts = degreeInSign * rule.factor / kSignWidthDeg;
  // The last part keeps a degree that rounds up to 30, as the varga's sign does.
  return parts - std::min(std::floor(parts), rule.factor - 1.0);
}

}  // namespace

std::optional<double> VargaLongitude(double longitudeDeg, Varga varga) {
  const std::optional<int> sign = SignOfLongitude(longitudeDeg);
  const std::optional<int> inVarga = VargaSign(longitudeDeg, varga);
  if (!sign || !inVarga) return std::nullopt;
  const double degreeInSign = std::fabs(longitudeDeg) - kSignWidthDeg * *sign;
  const VargaRule& rule = RuleOf(varga);
  // Aries, Gemini, ... are the odd signs.
  const auto& parts = *sign % 2 == 0 ? rule.oddParts : rule.evenParts;
  const double fraction = parts.empty() ? FractionOfEqualPart(rule, degreeInSign)
                                        : FractionOfUnequalPart(parts, degreeInSign);
  // A hair below the part's end stays in the sign rather than reading as the next one's 0°.
  const double withinDeg = std::min(fraction * kSignWidthDeg, std::nextafter(kSignWidthDeg, 0.0));
  return kSignWidthDeg * *inVarga + withinDeg;
}

}  // namespace tarvel
