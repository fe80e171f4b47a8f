#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "argala/argala.h"
#include "argala/argala_summary.h"
#include "base/text_style.h"

namespace tarvel {

/// The title above the synthesis where it follows the reading.
inline constexpr std::string_view kSummaryTitle = "Argala Summary";
/// The line of a recipient that receives no Argala.
inline constexpr std::string_view kNoSummaryArgalaText = "No Argala";

/// "Primary", "Secondary" or "Vipareeta".
std::string_view SummaryKindName(SummaryKind kind);
/// A position counted from a sign as the summary names it, "1st" to "12th".
std::string_view OrdinalText(int position);

/// "Unobstructed", "Prevails", "Balanced" or "Obstructed".
std::string_view SummaryVerdictName(SummaryVerdict verdict);

/// Appends an entry's line, e.g. "Moon from the 2nd: Primary Argala — Obstructed (Venus and
/// S Node from the 12th)"; the part in brackets only where there are obstructers. Names are
/// joined with " and ", in planet order.
void AppendSummaryEntryText(std::string& text, const SummaryEntry& entry);

/// An entry's line (see AppendSummaryEntryText).
std::string SummaryEntryText(const SummaryEntry& entry);

/// A recipient planet's heading, e.g. "Sun (house 5)", with the house as the lists give it.
std::string PlanetHeading(PlanetIndex planet, std::optional<int> house);

/// A house's heading, 1 to 12, with its sign (0 = Aries), e.g. "House 7 (Libra)".
std::string HouseHeading(int house, int sign);

/// How an entry of a verdict is shown: a colour of its own with the line emphasis. The colours
/// keep a contrast of at least 3.5 to 1 on white and on the reading's near-black ground.
TextStyle VerdictStyle(SummaryVerdict verdict);

enum class SummaryLineKind {
  Heading,   ///< a recipient, e.g. "Sun (house 5)" or "House 7 (Libra)"
  Entry,     ///< one Argala the recipient receives
  NoArgala,  ///< the line of a recipient without any
};

/// One line of the synthesis as every front end shows it, UTF-8, without a line break.
struct SummaryLine {
  SummaryLineKind kind = SummaryLineKind::Entry;
  std::string text;
  /// An entry's verdict, for its colour; Unobstructed for the other lines.
  SummaryVerdict verdict = SummaryVerdict::Unobstructed;
  bool operator==(const SummaryLine&) const = default;
};

/// The synthesis as lines: each planet in planet order, then each house from the 1st, a
/// heading and then a line per entry or the no-Argala line. `argala` gives the planets'
/// houses and `signs` the houses' signs.
std::vector<SummaryLine> SummaryLines(const ArgalaSummary& summary, const ArgalaResult& argala,
                                      const ChartSigns& signs);

}  // namespace tarvel
