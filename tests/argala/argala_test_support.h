#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "argala/argala.h"
#include "base/signs.h"
#include "document/argala_text.h"

namespace tarvel::testing {

/// The sign number of a three-letter abbreviation ("Ari" to "Pis"); none for anything else.
inline std::optional<int> SignNamed(std::string_view abbrev) {
  for (int sign = 0; sign < kSignCount; ++sign) {
    if (SignAbbrev(sign) == abbrev) return sign;
  }
  return std::nullopt;
}

/// The signs of a chart with the ascendant and planet p in the signs their abbreviations name;
/// anything else leaves the sign unknown.
inline ChartSigns MakeChart(std::string_view ascendantSign,
                            const std::array<std::string_view, kPlanetCount>& planetSigns) {
  ChartSigns signs;
  signs.ascendant = SignNamed(ascendantSign);
  for (int p = 0; p < kPlanetCount; ++p) signs.grahas[p] = SignNamed(planetSigns[p]);
  return signs;
}

/// The same from the abbreviations of the ascendant and the nine planets, one space apart, e.g.
/// "Ari Ari Tau ..."; "---" leaves a sign unknown.
inline ChartSigns ChartOf(std::string_view signs) {
  ChartSigns chart;
  chart.ascendant = SignNamed(signs.substr(0, 3));
  for (int p = 0; p < kPlanetCount; ++p) chart.grahas[p] = SignNamed(signs.substr(4 * p + 4, 3));
  return chart;
}

/// Ascendant in Aries; Sun and Mercury in Aries, Moon in Taurus, Mars in Cancer, N Node in
/// Virgo, Jupiter in Sagittarius, Saturn in Capricorn, Venus and S Node in Pisces.
inline ChartSigns WorkedChart() {
  return MakeChart("Ari", {"Ari", "Tau", "Ari", "Pis", "Can", "Sag", "Cap", "Vir", "Pis"});
}

/// The set of the planets listed.
inline PlanetSet Set(std::initializer_list<PlanetIndex> planets) {
  PlanetSet set = 0;
  for (const PlanetIndex planet : planets) set |= static_cast<PlanetSet>(1u << planet);
  return set;
}

/// An evaluated chart with its lists and houses as the lists show them.
struct EvaluatedChart {
  ArgalaResult result;
  std::vector<std::string> argala;
  std::vector<std::string> virodhargala;
  std::array<std::string, kPlanetCount> houses;
};

inline std::vector<std::string> Texts(const std::vector<ArgalaEntry>& entries) {
  std::vector<std::string> texts;
  for (const ArgalaEntry& entry : entries) texts.push_back(EntryText(entry));
  return texts;
}

inline EvaluatedChart Evaluated(const ChartSigns& signs) {
  EvaluatedChart chart;
  chart.result = EvaluateArgala(signs);
  chart.argala = Texts(chart.result.argala);
  chart.virodhargala = Texts(chart.result.virodhargala);
  for (int p = 0; p < kPlanetCount; ++p) chart.houses[p] = HouseText(chart.result.houses[p]);
  return chart;
}

}  // namespace tarvel::testing
