#include "document/argala_explanation.h"

#include "base/signs.h"
#include "document/summary_text.h"

namespace tarvel {
namespace {

void AddArrows(const ChartSigns& signs, PlanetSet planets, bool obstructs,
               std::vector<ExplanationArrow>& arrows) {
  ForEachPlanetIn(planets, [&](PlanetIndex planet) {
    const auto sign = signs.grahas[planet];
    if (sign) arrows.push_back({planet, *sign, *SignBoxItem(signs, planet), obstructs});
  });
}

ArgalaExplanation Explain(const ChartSigns& signs, const RecipientSummary& summary,
                          ArgalaRecipient recipient, int sign, std::string heading) {
  ArgalaExplanation explanation{recipient, sign, std::nullopt, {}, std::move(heading)};
  if (recipient.kind == ArgalaRecipient::Kind::Planet) {
    explanation.item = SignBoxItem(signs, static_cast<PlanetIndex>(recipient.index));
  }
  explanation.caption.append(".");
  for (const SummaryEntry& entry : summary.Entries()) {
    AddArrows(signs, entry.casters, false, explanation.arrows);
    AddArrows(signs, entry.obstructers, true, explanation.arrows);
    explanation.caption.append(" ");
    AppendSummaryEntryText(explanation.caption, entry);
    explanation.caption.append(".");
  }
  if (summary.Entries().empty()) {
    explanation.caption.append(" ").append(kNoSummaryArgalaText).append(".");
  }
  return explanation;
}

}  // namespace

std::optional<int> SignBoxItem(const ChartSigns& signs, PlanetIndex planet) {
  const std::optional<int> sign = signs.grahas[planet];
  if (!sign) return std::nullopt;
  int item = signs.ascendant == sign ? 1 : 0;
  for (int before = 0; before < planet; ++before) item += signs.grahas[before] == sign ? 1 : 0;
  return item;
}

int HouseOfSign(const ChartSigns& signs, int sign) {
  return SignAfter(sign, -HouseSign(signs, 1)) + 1;
}

std::optional<ArgalaExplanation> ExplainArgala(const ChartResult& chart,
                                               ArgalaRecipient recipient) {
  const int index = recipient.index;
  if (recipient.kind == ArgalaRecipient::Kind::House) {
    if (index < 1 || index > kSignCount) return std::nullopt;
    const int sign = HouseSign(chart.signs, index);
    return Explain(chart.signs, chart.summary.houses[index - 1], recipient, sign,
                   HouseHeading(index, sign));
  }
  if (index < 0 || index >= kPlanetCount) return std::nullopt;
  const auto planet = static_cast<PlanetIndex>(index);
  const std::optional<int> sign = chart.signs.grahas[planet];
  if (!sign) return std::nullopt;
  return Explain(chart.signs, chart.summary.planets[planet], recipient, *sign,
                 PlanetHeading(planet, chart.argala.houses[planet]));
}

}  // namespace tarvel
