#include <gtest/gtest.h>

#include "document/summary_text.h"
#include "tests/argala/argala_test_support.h"

namespace tarvel {
namespace {

using testing::Set;

TEST(ArgalaSummaryTextTest, EntryWording) {
  const std::pair<SummaryEntry, std::string_view> rows[] = {
      {{2, SummaryKind::Primary, SummaryVerdict::Obstructed, Set({Moon}), Set({Venus, SNode})},
       "Moon from the 2nd: Primary Argala — Obstructed (Venus and S Node from the 12th)"},
      {{11, SummaryKind::Primary, SummaryVerdict::Prevails, Set({Moon, Venus}), Set({Mars})},
       "Moon and Venus from the 11th: Primary Argala — Prevails (Mars from the 3rd)"},
      {{3, SummaryKind::Vipareeta, SummaryVerdict::Unobstructed, Set({Mars, Saturn}), 0},
       "Mars and Saturn from the 3rd: Vipareeta Argala — Unobstructed"},
  };
  for (const auto& [entry, expected] : rows) EXPECT_EQ(SummaryEntryText(entry), expected);
}

TEST(ArgalaSummaryTextTest, ALonePlanetHasNoArgala) {
  const ChartSigns signs = testing::MakeChart("Ari", {"Ari", "", "", "", "", "", "", "", ""});
  const std::vector<SummaryLine> lines =
      SummaryLines(SummariseArgala(signs), EvaluateArgala(signs), signs);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, "Sun (house 1)");
  EXPECT_EQ(lines[1].text, "No Argala");
}

}  // namespace
}  // namespace tarvel
