#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/signs.h"
#include "tests/support/seeded_random.h"
#include "varga/varga.h"
#include "varga/varga_longitude.h"

namespace tarvel {
namespace {

constexpr double kArcSecondDeg = 1.0 / 3600;

// Rows of published varga tables, each part checked one arc-second inside both its ends: the
// signs a row holds for, and the sign of each part in order. A part of unequal width carries
// its degrees ("Aqu5"); rows of twelve for vargas of more parts run on through the zodiac.
constexpr std::tuple<Varga, std::string_view, std::string_view> kTables[] = {
    {Varga::D1, "Pis", "Pis"},
    {Varga::D2, "Ari Gem Leo Lib Sag Aqu", "Leo15 Can15"},
    {Varga::D2, "Tau Can Vir Sco Cap Pis", "Can15 Leo15"},
    {Varga::D3, "Ari", "Ari Leo Sag"},
    {Varga::D4, "Ari", "Ari Can Lib Cap"},
    {Varga::D7, "Gem", "Gem Can Leo Vir Lib Sco Sag"},
    {Varga::D7, "Tau", "Sco Sag Cap Aqu Pis Ari Tau"},
    {Varga::D9, "Ari Leo Sag", "Ari Tau Gem Can Leo Vir Lib Sco Sag"},
    {Varga::D9, "Tau Vir Cap", "Cap Aqu Pis Ari Tau Gem Can Leo Vir"},
    {Varga::D9, "Gem Lib Aqu", "Lib Sco Sag Cap Aqu Pis Ari Tau Gem"},
    {Varga::D9, "Can Sco Pis", "Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {Varga::D10, "Leo", "Leo Vir Lib Sco Sag Cap Aqu Pis Ari Tau"},
    {Varga::D10, "Can", "Pis Ari Tau Gem Can Leo Vir Lib Sco Sag"},
    {Varga::D12, "Sag", "Sag Cap Aqu Pis Ari Tau Gem Can Leo Vir Lib Sco"},
    {Varga::D16, "Ari Can Lib Cap", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {Varga::D16, "Tau Leo Sco Aqu", "Leo Vir Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can"},
    {Varga::D16, "Gem Vir Sag Pis", "Sag Cap Aqu Pis Ari Tau Gem Can Leo Vir Lib Sco"},
    {Varga::D20, "Ari Can Lib Cap", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {Varga::D20, "Tau Leo Sco Aqu", "Sag Cap Aqu Pis Ari Tau Gem Can Leo Vir Lib Sco"},
    {Varga::D20, "Gem Vir Sag Pis", "Leo Vir Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can"},
    {Varga::D24, "Ari Gem Leo Lib Sag Aqu", "Leo Vir Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can"},
    {Varga::D24, "Tau Can Vir Sco Cap Pis", "Can Leo Vir Lib Sco Sag Cap Aqu Pis Ari Tau Gem"},
    {Varga::D27, "Ari Leo Sag", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {Varga::D27, "Can Sco Pis", "Cap Aqu Pis Ari Tau Gem Can Leo Vir Lib Sco Sag"},
    {Varga::D30, "Ari Gem Leo Lib Sag Aqu", "Ari5 Aqu5 Sag8 Gem7 Lib5"},
    {Varga::D30, "Tau Can Vir Sco Cap Pis", "Tau5 Vir7 Pis8 Cap5 Sco5"},
    {Varga::D40, "Ari Gem Leo Lib Sag Aqu", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {Varga::D40, "Tau Can Vir Sco Cap Pis", "Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can Leo Vir"},
    {Varga::D45, "Ari Can Lib Cap", "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {Varga::D45, "Tau Leo Sco Aqu", "Leo Vir Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can"},
    {Varga::D45, "Gem Vir Sag Pis", "Sag Cap Aqu Pis Ari Tau Gem Can Leo Vir Lib Sco"},
    {Varga::D60, "Gem", "Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis Ari Tau"},
};

std::vector<std::string> Words(std::string_view text) {
  std::istringstream words{std::string(text)};
  std::vector<std::string> list;
  for (std::string word; words >> word;) list.push_back(word);
  return list;
}

int SignNamed(std::string_view abbrev) {
  return static_cast<int>(kSignAbbrevs.find(abbrev.substr(0, kSignAbbrevLength))) /
         kSignAbbrevLength;
}

TEST(VargaSignTest, FollowsThePublishedTableOfEveryVarga) {
  for (const auto& [varga, signs, partSigns] : kTables) {
    const int factor = RuleOf(varga).factor;
    const std::vector<std::string> parts = Words(partSigns);
    const bool unequal = parts[0].size() > 3;
    for (const std::string& sign : Words(signs)) {
      double startDeg = 30.0 * SignNamed(sign);
      for (int part = 0; part < (unequal ? static_cast<int>(parts.size()) : factor); ++part) {
        const std::string& named = parts[static_cast<std::size_t>(part) % parts.size()];
        const double widthDeg = unequal ? std::stod(named.substr(3)) : 30.0 / factor;
        for (const double at : {startDeg + kArcSecondDeg, startDeg + widthDeg - kArcSecondDeg})
          EXPECT_EQ(VargaSign(at, varga), SignNamed(named)) << factor << sign << part;
        startDeg += widthDeg;
      }
    }
  }
}

TEST(VargaSignTest, NavamsaAndSaptavimsamsaRunOnThroughTheZodiac) {
  testing::Lcg random(25);
  for (int i = 0; i < 2000; ++i) {
    const double longitudeDeg = random.Between(0, 359) + random.Between(0, 999999) / 1e6;
    EXPECT_EQ(VargaSign(longitudeDeg, Varga::D9), static_cast<int>(longitudeDeg * 9 / 30) % 12);
    EXPECT_EQ(VargaSign(longitudeDeg, Varga::D27), static_cast<int>(longitudeDeg * 27 / 30) % 12);
  }
}

// By hand: the degree within the part, stretched from the part's width to a sign's 30°, after
// the varga sign's start. Rasi 5° is a Navamsa part (3°20') from 1°40' in: half of it, 15°.
TEST(VargaLongitudeTest, StretchesThePartOverItsVargaSign) {
  const std::tuple<Varga, double, double> cases[] = {
      {Varga::D1, 123.5, 123.5},
      {Varga::D9, 0, 0},
      {Varga::D9, 5, 30 + 15},             // Aries 5°: Taurus 15°
      {Varga::D9, 155, 300 + 15},          // Virgo 5°: Aquarius 15°
      {Varga::D9, 2.5, 22.5},              // Aries 2°30': Aries 22°30'
      {Varga::D2, 40, 90 + 20},            // Taurus 10°, even: Cancer, 10 of 15°
      {Varga::D30, 6.5, 300 + 9},          // Aries 6°30', odd: 1°30' of Aquarius's 5°
      {Varga::D30, 30 + 8.5, 150 + 15},    // Taurus 8°30', even: 3°30' of Virgo's 7°
      {Varga::D60, -(30 + 0.25), 30 + 15}  // by magnitude: Taurus 0°15', half its first part
  };
  for (const auto& [varga, longitudeDeg, expectedDeg] : cases) {
    const std::optional<double> inVarga = VargaLongitude(longitudeDeg, varga);
    ASSERT_TRUE(inVarga) << longitudeDeg;
    EXPECT_NEAR(*inVarga, expectedDeg, 1e-9) << VargaLabel(varga) << " " << longitudeDeg;
  }
  EXPECT_LT(*VargaLongitude(std::nextafter(30.0, 0.0), Varga::D60), 360);
  EXPECT_FALSE(VargaLongitude(360, Varga::D9));
}

}  // namespace
}  // namespace tarvel
