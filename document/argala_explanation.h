#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_result.h"

namespace tarvel {

/// What the explaining chart is asked about: a planet, or a house.
struct ArgalaRecipient {
  enum class Kind : std::uint8_t { Planet, House };
  Kind kind = Kind::House;
  int index = 1;  ///< the planet's index (0-8), or the house (1-12)
  bool operator==(const ArgalaRecipient&) const = default;
};

/// One arrow of the explaining chart: from a planet's sign box to the recipient's.
struct ExplanationArrow {
  PlanetIndex planet = Sun;
  int fromSign = 0;        ///< the planet's sign, 0 = Aries
  int fromItem = 0;        ///< the planet's item in its sign box (see SignBoxItem)
  bool obstructs = false;  ///< from an obstructer; otherwise from a caster
  bool operator==(const ExplanationArrow&) const = default;
};

/// Why a recipient receives the Argala it does: an arrow from each planet that casts or
/// obstructs one, and a caption in the synthesis's words.
struct ArgalaExplanation {
  ArgalaRecipient recipient;
  int sign = 0;             ///< the recipient's sign box, 0 = Aries
  std::optional<int> item;  ///< a recipient planet's item in its sign box; none for a house
  /// Entry by entry in the synthesis's order: the casters, then the obstructers.
  std::vector<ExplanationArrow> arrows;
  /// The recipient's heading, then one sentence per entry, e.g. "S Node (house 12). Jupiter
  /// from the 4th: Primary Argala — Unobstructed."; "No Argala." where there is none.
  std::string caption;
  bool operator==(const ArgalaExplanation&) const = default;
};

/// The number of a planet's item in its sign box, 0 first: after "Asc" where the ascendant
/// stands, then the planets of the sign in planet order. None for a planet of unknown sign.
std::optional<int> SignBoxItem(const ChartSigns& signs, PlanetIndex planet);

/// The house (1-12) that stands in a sign (0 = Aries), counted as HouseSign counts.
int HouseOfSign(const ChartSigns& signs, int sign);

/// The explanation of a recipient of a computed chart; none for a planet of unknown sign, which
/// no sign box shows, or for a recipient out of range.
std::optional<ArgalaExplanation> ExplainArgala(const ChartResult& chart, ArgalaRecipient recipient);

}  // namespace tarvel
