#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "document/box_details.h"
#include "document/rasi_chart_layout.h"
#include "tests/argala/argala_test_support.h"

namespace tarvel {
namespace {

using testing::ChartOf;
using testing::WorkedChart;

using SignTexts = std::array<std::string, kSignCount>;
using PlanetTexts = std::array<std::string, kPlanetCount>;

// Planet p stands 10 + p degrees and 7.5 minutes into its sign (Aries when it has none).
std::array<double, kPlanetCount> Longitudes(const ChartSigns& signs) {
  std::array<double, kPlanetCount> longitudes{};
  for (int p = 0; p < kPlanetCount; ++p) {
    longitudes[p] = 30 * signs.grahas[p].value_or(0) + 10 + p + 7.5 / 60;
  }
  return longitudes;
}

ChartCaptions Captions(const ChartSigns& signs) {
  return BuildChartCaptions(signs, Longitudes(signs));
}

TEST(ChartCaptionsTest, LegendAndPositionList) {
  const ChartCaptions captions = Captions(WorkedChart());
  EXPECT_EQ(captions.lblPlanet,
            (PlanetTexts{"S/Sun/Surya", "Mo/Moon/Chandra", "Me/Mercury/Budha", "V/Venus/Shukra",
                         "Ma/Mars/Mangala", "J/Jupiter/Guru", "Sa/Saturn/Shani", "NN/N Node/Rahu",
                         "SN/S Node/Ketu"}));
  EXPECT_EQ(captions.lblPlanets_Name, (PlanetTexts{"Sun", "Moon", "Mercury", "Venus", "Mars",
                                                   "Jupiter", "Saturn", "N Node", "S Node"}));
  EXPECT_EQ(captions.lblPlanets_Position,
            (PlanetTexts{"10 Ari 07", "11 Tau 07", "12 Ari 07", "13 Pis 07", "14 Can 07",
                         "15 Sag 07", "16 Cap 07", "17 Vir 07", "18 Pis 07"}));
}

TEST(ChartCaptionsTest, WorkedChartSignBoxes) {
  EXPECT_EQ(Captions(WorkedChart()).lblSign,
            (SignTexts{"Asc / S / Me", "Mo", "", "Ma", "", "NN", "", "", "J", "Sa", "", "V / SN"}));
}

using Points = std::vector<std::optional<PlanetIndex>>;
constexpr std::optional<PlanetIndex> kAsc;

struct BoxItemsCase {
  ChartSigns signs;
  int sign;
  BoxDetails details;
  Points points;     ///< what each item stands for, in order
  std::string text;  ///< the box as one line
};

// Planet p stands 10 + p degrees and 7.5 minutes into its sign, Venus ten degrees less, the
// ascendant 3.5 degrees into its own; Mercury and Saturn move backward.
const BoxItemsCase kBoxItemsCases[] = {
    {ChartOf("Ari Tau Tau Tau Tau Tau Tau Tau Lib Sco"), 0, {}, {kAsc}, "Asc"},
    // Venus has the lowest degrees of the three but still comes last.
    {ChartOf("Gem Gem Leo Gem Gem Leo Leo Leo Leo Aqu"),
     2,
     {},
     {kAsc, Sun, Mercury, Venus},
     "Asc / S / Me / V"},
    // A planet of unknown sign stands in no box; an unknown ascendant marks none.
    {ChartOf("Ari Ari Ari Ari Ari --- Ari Ari Ari Ari"),
     0,
     {},
     {kAsc, Sun, Moon, Mercury, Venus, Jupiter, Saturn, NNode, SNode},
     "Asc / S / Mo / Me / V / J / Sa / NN / SN"},
    {ChartOf("--- Ari Ari Ari Ari Ari Ari Ari Ari Ari"),
     0,
     {},
     {Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, NNode, SNode},
     "S / Mo / Me / V / Ma / J / Sa / NN / SN"},
    {WorkedChart(), 2, {true, true}, {}, ""},
    {WorkedChart(), 0, {true, true}, {kAsc, Sun, Mercury}, "Asc 03°30' / S 10°07' / Me 12°07' (R)"},
    {WorkedChart(), 9, {false, true}, {Saturn}, "Sa (R)"},
    {WorkedChart(), 9, {true, false}, {Saturn}, "Sa 16°07'"},
};

TEST(ChartCaptionsTest, SignBoxItems) {
  for (const BoxItemsCase& c : kBoxItemsCases) {
    SkyPositions positions;
    positions.ascendantDeg = 30 * c.signs.ascendant.value_or(0) + 3.5;
    positions.grahaDeg = Longitudes(c.signs);
    positions.grahaDeg[Venus] -= 10;
    positions.retrograde[Mercury] = positions.retrograde[Saturn] = true;
    const ChartCaptions captions = DetailedCaptions(c.signs, positions, c.details);
    Points points;
    for (const BoxItem& item : captions.signItems[c.sign]) points.push_back(item.planet);
    EXPECT_EQ(points, c.points) << c.text;
    EXPECT_EQ(captions.lblSign[c.sign], c.text) << c.text;
    EXPECT_EQ(BoxText(captions.signItems[c.sign]), c.text) << c.text;
  }
}

struct SignBoxCase {
  int sign;
  int left;
  int top;
};

constexpr SignBoxCase kSignBoxCases[] = {
    {11, 0, 0},      {0, 1050, 0},    {1, 2100, 0},    {2, 3150, 0},
    {3, 3150, 1050}, {4, 3150, 2100}, {5, 3150, 3150}, {6, 2100, 3150},
    {7, 1050, 3150}, {8, 0, 3150},    {9, 0, 2100},    {10, 0, 1050},
};

TEST(RasiChartLayoutTest, SignBoxesRunClockwiseFromAries) {
  for (const SignBoxCase& box : kSignBoxCases) {
    EXPECT_EQ(SignBoxRect(box.sign), (TwipRect{box.left, box.top, 1050, 1050})) << box.sign;
  }
}

constexpr TwipRect kSignNumberRects[] = {
    {1920, 720, 135, 210},  {2880, 720, 135, 210},  {3960, 720, 135, 210},  {3960, 1800, 135, 210},
    {3960, 2880, 135, 210}, {3960, 3960, 135, 210}, {2880, 3960, 135, 210}, {1920, 3960, 135, 210},
    {720, 3960, 135, 210},  {720, 2880, 270, 210},  {720, 1800, 270, 210},  {720, 720, 270, 210},
};

TEST(RasiChartLayoutTest, SignNumbersSitInTheLowerRightOfTheirBoxes) {
  for (int sign = 0; sign < kSignCount; ++sign) {
    const SignNumberLabel& label = kSignNumberLabels[sign];
    EXPECT_EQ(label.caption, std::to_string(sign + 1));
    EXPECT_EQ(label.rect, kSignNumberRects[sign]) << sign;
    const TwipRect box = SignBoxRect(sign);
    EXPECT_GT(label.rect.left, box.left + box.width / 2) << sign;
    EXPECT_LE(label.rect.left + label.rect.width, box.left + box.width) << sign;
    EXPECT_GT(label.rect.top, box.top + box.height / 2) << sign;
    EXPECT_LE(label.rect.top + label.rect.height, box.top + box.height) << sign;
  }
}

TEST(RasiChartLayoutTest, LegendAndPositionList) {
  EXPECT_EQ(kChartPicture, (TwipRect{1080, 45, 4200, 4200}));
  EXPECT_EQ(LegendLabelRect(0), (TwipRect{1350, 1080, 1530, 195}));
  EXPECT_EQ(LegendLabelRect(8), (TwipRect{1350, 2880, 1530, 195}));
  EXPECT_EQ(PlanetNameLabelRect(2), (TwipRect{120, 780, 795, 195}));
  EXPECT_EQ(PlanetPositionLabelRect(2), (TwipRect{120, 975, 660, 195}));
  EXPECT_EQ(kLegendColour, (Rgb{128, 0, 0}));
  EXPECT_EQ(kPlanetNameColour, (Rgb{0, 192, 192}));
  EXPECT_EQ(kPlanetPositionColour, (Rgb{255, 255, 0}));
}

}  // namespace
}  // namespace tarvel
