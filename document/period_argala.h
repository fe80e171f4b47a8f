#pragma once

#include <string>
#include <vector>

#include "document/argala_explanation.h"
#include "document/period_list.h"

namespace tarvel {

/// What a period brings: the Argala its lords cast and obstruct, drawn as the explaining chart
/// draws a recipient's, with a caption in the synthesis's words.
struct PeriodArgala {
  /// Each recipient a lord casts on or obstructs, planets first then houses, with only the
  /// lords' arrows (solid from a caster, dashed from an obstructer) and no caption of its own.
  std::vector<ArgalaExplanation> recipients;
  /// e.g. "Jupiter–Saturn, 12 Mar 2024 – 23 Sep 2026. Jupiter: Primary Argala on the 4th house
  /// — Prevails. Saturn obstructs the Argala on the 10th house from the 4th."
  std::string caption;
  bool operator==(const PeriodArgala&) const = default;
};

/// The Argala a period's lords bring in a computed chart, each lord once, the mahadasha's
/// first.
PeriodArgala ExplainPeriod(const ChartResult& chart, const PeriodRow& row);

/// The Argala a lord brings in the synthesis's words, a line an entry in the synthesis's
/// order: "Jupiter: Primary Argala on the 4th house — Prevails" for each it casts, then
/// "Saturn obstructs the Argala on the 10th house from the 4th" for each it obstructs; "Mars:
/// No Argala" for a lord with neither.
std::vector<std::string> LordArgalaLines(const ChartResult& chart, PlanetIndex lord);

}  // namespace tarvel
