#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "atlas/atlas.h"
#include "geonames_atlas.h"

namespace tarvel {
namespace {

using testing::City;
using testing::GeonamesAtlas;

TEST(FormerNamesTest, EveryEntryOfTheTableLeadsToExactlyOneCity) {
  EXPECT_GE(ReadFormerNames(FormerNamesTable()).size(), 200u);
  EXPECT_THAT(GeonamesAtlas().FormerNameProblems(), ::testing::IsEmpty());
}

// Renamings and zones as published: e.g. Saigon became Ho Chi Minh City in 1976, and Peking's
// clock is China's one zone, Asia/Shanghai.
TEST(FormerNamesTest, AFormerNameResolvesToItsCityAndZone) {
  const std::array<const char*, 3> cases[] = {
      {"Calcutta", "Kolkata", "Asia/Kolkata"},
      {"Bombay", "Mumbai", "Asia/Kolkata"},
      {"madras, india", "Chennai", "Asia/Kolkata"},
      {"Bangalore", "Bengaluru", "Asia/Kolkata"},
      {"Benares", "Varanasi", "Asia/Kolkata"},
      {"Cawnpore", "Kanpur", "Asia/Kolkata"},
      {"Thiruvananthapuram", "Trivandrum", "Asia/Kolkata"},
      {"Saigon", "Ho Chi Minh City", "Asia/Ho_Chi_Minh"},
      {"Peking", "Beijing", "Asia/Shanghai"},
      {"Rangoon, Burma", "Yangon", "Asia/Yangon"},
      {"Dacca", "Dhaka", "Asia/Dhaka"},
      {"Leningrad", "Saint Petersburg", "Europe/Moscow"},
      {"Konigsberg", "Kaliningrad", "Europe/Kaliningrad"},
      {"Lyallpur, Pakistan", "Faisalabad", "Asia/Karachi"},
  };
  for (const auto& [written, city, zone] : cases) {
    const PlaceResolution resolution = GeonamesAtlas().Resolve(written);
    const auto* found = std::get_if<ResolvedPlace>(&resolution);
    ASSERT_NE(found, nullptr) << written;
    EXPECT_EQ(found->place.city, city) << written;
    EXPECT_EQ(found->place.timeZoneId, zone) << written;
  }
  const auto calcutta = GeonamesAtlas().Resolve("Calcutta");
  EXPECT_EQ(ResolutionText(std::get<ResolvedPlace>(calcutta)),
            "Kolkata (Calcutta), State of West Bengal, India");
  // Shown with the former name only when that name, not the city's own, was typed.
  EXPECT_EQ(DisplayText(GeonamesAtlas().Complete("Bomb").at(0)),
            "Mumbai (Bombay), Maharashtra, India");
  EXPECT_EQ(DisplayText(GeonamesAtlas().Complete("Mumb").at(0)), "Mumbai, Maharashtra, India");
}

TEST(FormerNamesTest, ANameLeadingNowhereOrToSeveralCitiesOrNamingACityIsLeftOut) {
  const Atlas atlas({City("Mumbai", "Maharashtra", "India", "IN", 12000),
                     City("Springfield", "Illinois", "United States of America", "US", 114),
                     City("Springfield", "Missouri", "United States of America", "US", 169),
                     City("Salisbury", "England", "United Kingdom", "GB", 40)},
                    ReadFormerNames("# a comment\nBombay = Mumbai, India  # 1995\n\n"
                                    "Old Town = Springfield\nNowhere = Atlantis, India\n"
                                    "Salisbury = Mumbai, India\n"));
  EXPECT_THAT(
      atlas.FormerNameProblems(),
      ::testing::ElementsAre("Old Town = Springfield: 2 cities match",
                             "Nowhere = Atlantis, India: 0 cities match",
                             "Salisbury = Mumbai, India: a city of the atlas has that name"));
  EXPECT_EQ(std::get<ResolvedPlace>(atlas.Resolve("bombay")).place.city, "Mumbai");
  EXPECT_TRUE(std::holds_alternative<UnresolvedPlace>(atlas.Resolve("Old Town")));
  EXPECT_EQ(std::get<ResolvedPlace>(atlas.Resolve("Salisbury")).place.countryCode, "GB");
}

}  // namespace
}  // namespace tarvel
