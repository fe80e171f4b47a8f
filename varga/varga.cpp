#include "varga/varga.h"

#include <algorithm>
#include <cmath>

#include "base/position_text.h"
#include "base/signs.h"

namespace tarvel {
namespace {

constexpr double kSignWidthDeg = 30;

constexpr int SumOfWidths(std::span<const VargaPart> parts) {
  int sum = 0;
  for (const VargaPart& part : parts) sum += part.widthDeg;
  return sum;
}

constexpr bool PartsFillTheirSigns() {
  for (const VargaRule& rule : kVargaRules) {
    if (rule.oddParts.empty()) continue;
    if (SumOfWidths(rule.oddParts) != kSignWidthDeg || SumOfWidths(rule.evenParts) != kSignWidthDeg)
      return false;
  }
  return true;
}
static_assert(PartsFillTheirSigns(), "unequal parts must cover the whole sign");
static_assert(RuleOf(Varga::D9).factor == 9 && RuleOf(Varga::D60).factor == 60,
              "the rules follow the Varga order");

// Odd signs are Aries, Gemini, ... counting Aries as the first.
bool IsOdd(int sign) {
  return sign % 2 == 0;
}

// The member of the rule's group a sign belongs to: odd 0, even 1; fire 0 ... water 3;
// movable 0, fixed 1, dual 2.
int GroupMember(VargaGroup group, int sign) {
  switch (group) {
    case VargaGroup::OddEven:
      return sign % 2;
    case VargaGroup::Element:
      return sign % 4;
    case VargaGroup::Modality:
      return sign % 3;
    case VargaGroup::Any:
      break;
  }
  return 0;
}

int SignOfUnequalPart(std::span<const VargaPart> parts, double degreeInSign) {
  int endDeg = 0;
  for (const VargaPart& part : parts) {
    endDeg += part.widthDeg;
    if (degreeInSign < endDeg) return part.sign;
  }
  return parts.back().sign;
}

int SignOfEqualPart(const VargaRule& rule, int sign, double degreeInSign) {
  // A degree a hair below 30 may round up to the next sign's first part; it stays in the last.
  const int part = std::min(
      static_cast<int>(std::floor(degreeInSign * rule.factor / kSignWidthDeg)), rule.factor - 1);
  const int start = rule.starts[static_cast<std::size_t>(GroupMember(rule.group, sign))];
  return SignAfter(rule.fromOwnSign ? sign + start : start, part * rule.step);
}

}  // namespace

std::optional<Varga> VargaOfFactor(int factor) {
  const auto at = std::find_if(kVargaRules.begin(), kVargaRules.end(),
                               [&](const VargaRule& rule) { return rule.factor == factor; });
  if (at == kVargaRules.end()) return std::nullopt;
  return static_cast<Varga>(at - kVargaRules.begin());
}

std::string VargaFactorsText() {
  std::string text;
  for (const VargaRule& rule : kVargaRules) {
    if (!text.empty()) text += ", ";
    text += std::to_string(rule.factor);
  }
  return text;
}

std::string VargaLabel(Varga varga) {
  const VargaRule& rule = RuleOf(varga);
  return "D" + std::to_string(rule.factor) + " " + std::string(rule.name);
}

std::optional<int> VargaSign(double longitudeDeg, Varga varga) {
  const std::optional<int> sign = SignOfLongitude(longitudeDeg);
  // The Rasi is the sign itself; every chart asks for it, so it skips the table.
  if (!sign || varga == Varga::D1) return sign;
  // Exact: the sign's start lies within a factor of two of the longitude.
  const double degreeInSign = std::fabs(longitudeDeg) - kSignWidthDeg * *sign;
  const VargaRule& rule = RuleOf(varga);
  if (rule.oddParts.empty()) return SignOfEqualPart(rule, *sign, degreeInSign);
  return SignOfUnequalPart(IsOdd(*sign) ? rule.oddParts : rule.evenParts, degreeInSign);
}

}  // namespace tarvel
