#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "argala/argala_summary_text.h"
#include "argala_test_support.h"

namespace tarvel {
namespace {

constexpr PlanetSet Bit(PlanetIndex planet) {
  return static_cast<PlanetSet>(1u << planet);
}

struct TextCase {
  SummaryEntry entry;
  std::string_view expected;
};

const TextCase kTextCases[] = {
    {{2, SummaryKind::Primary, SummaryVerdict::Obstructed, Bit(Moon), Bit(Venus) | Bit(SNode)},
     "Moon from the 2nd: Primary Argala — Obstructed (Venus and S Node from the 12th)"},
    {{4, SummaryKind::Primary, SummaryVerdict::Balanced, Bit(Saturn), Bit(Mars)},
     "Saturn from the 4th: Primary Argala — Balanced (Mars from the 10th)"},
    {{11, SummaryKind::Primary, SummaryVerdict::Prevails, Bit(Moon) | Bit(Venus), Bit(Mercury)},
     "Moon and Venus from the 11th: Primary Argala — Prevails (Mercury from the 3rd)"},
    {{5, SummaryKind::Secondary, SummaryVerdict::Obstructed, Bit(Jupiter), Bit(Sun) | Bit(Mars)},
     "Jupiter from the 5th: Secondary Argala — Obstructed (Sun and Mars from the 9th)"},
    {{8, SummaryKind::Secondary, SummaryVerdict::Unobstructed, Bit(Moon), 0},
     "Moon from the 8th: Secondary Argala — Unobstructed"},
    {{3, SummaryKind::Vipareeta, SummaryVerdict::Unobstructed, Bit(Mars) | Bit(Saturn) | Bit(NNode),
      0},
     "Mars and Saturn and N Node from the 3rd: Vipareeta Argala — Unobstructed"},
};

TEST(ArgalaSummaryTextTest, EntryWording) {
  for (const TextCase& row : kTextCases) EXPECT_EQ(SummaryEntryText(row.entry), row.expected);
}

std::vector<std::string> Texts(const ChartSigns& signs) {
  std::vector<std::string> texts;
  for (const SummaryLine& line :
       SummaryLines(SummariseArgala(signs), EvaluateArgala(signs), signs)) {
    texts.push_back(line.text);
  }
  return texts;
}

TEST(ArgalaSummaryTextTest, RecipientsHaveHeadingsPlanetsFirst) {
  const std::vector<std::string> texts = Texts(testing::WorkedChart());
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[0], "Sun (house 1)");
  EXPECT_EQ(texts[1],
            "Moon from the 2nd: Primary Argala — Obstructed (Venus and S Node from the 12th)");
  EXPECT_EQ(texts[2], "Mars from the 4th: Primary Argala — Balanced (Saturn from the 10th)");
  const auto seventh = std::find(texts.begin(), texts.end(), "House 7 (Libra)");
  ASSERT_GE(std::distance(seventh, texts.end()), 3);
  EXPECT_EQ(seventh[2], "Moon from the 8th: Secondary Argala — Unobstructed");
}

TEST(ArgalaSummaryTextTest, LonePlanetHasNoArgala) {
  const std::vector<std::string> texts =
      Texts(testing::MakeChart("Ari", {"Ari", "", "", "", "", "", "", "", ""}));
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Sun (house 1)");
  EXPECT_EQ(texts[1], "No Argala");
}

}  // namespace
}  // namespace tarvel
