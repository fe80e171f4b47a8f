#pragma once

#include <vector>

#include "argala/argala_summary.h"
#include "document/argala_explanation.h"

namespace tarvel {

/// One entry of the Argala synthesis with the recipient that receives it.
struct RecipientEntry {
  ArgalaRecipient recipient;
  SummaryEntry entry;
  bool operator==(const RecipientEntry&) const = default;
};

/// The Argala a planet brings when it rules a period: the synthesis's entries in which it
/// casts and those in which it obstructs, each the planets' first (in planet order), then the
/// houses' from the 1st, each recipient's in the synthesis's order.
struct LordArgala {
  std::vector<RecipientEntry> casts;
  std::vector<RecipientEntry> obstructs;
  bool operator==(const LordArgala&) const = default;
};

/// The Argala of a lord, read from a chart's synthesis.
LordArgala ArgalaOfLord(const ArgalaSummary& summary, PlanetIndex lord);

}  // namespace tarvel
