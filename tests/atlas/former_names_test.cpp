#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "atlas/atlas.h"
#include "atlas/former_names.h"
#include "geonames_atlas.h"

namespace tarvel {
namespace {

using testing::City;
using ::testing::ElementsAre;
using testing::GeonamesAtlas;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

TEST(FormerNamesTest, EveryEntryOfTheTableLeadsToExactlyOneCity) {
  EXPECT_GE(ReadFormerNames(FormerNamesTable()).size(), 200u);
  EXPECT_THAT(GeonamesAtlas().FormerNameProblems(), IsEmpty());
}

// Renamings and zones as published: e.g. Saigon became Ho Chi Minh City in 1976, and Peking's
// clock is China's one zone, Asia/Shanghai.
TEST(FormerNamesTest, AFormerNameResolvesToItsCityAndZone) {
  struct Case {
    const char* written;
    const char* city;
    const char* countryCode;
    const char* timeZoneId;
  };
  const Case cases[] = {
      {"Calcutta", "Kolkata", "IN", "Asia/Kolkata"},
      {"Bombay", "Mumbai", "IN", "Asia/Kolkata"},
      {"madras, india", "Chennai", "IN", "Asia/Kolkata"},
      {"Bangalore, Karnataka", "Bengaluru", "IN", "Asia/Kolkata"},
      {"Benares", "Varanasi", "IN", "Asia/Kolkata"},
      {"Poona", "Pune", "IN", "Asia/Kolkata"},
      {"Cawnpore", "Kanpur", "IN", "Asia/Kolkata"},
      {"Thiruvananthapuram", "Trivandrum", "IN", "Asia/Kolkata"},
      {"Saigon", "Ho Chi Minh City", "VN", "Asia/Ho_Chi_Minh"},
      {"Peking", "Beijing", "CN", "Asia/Shanghai"},
      {"Rangoon, Burma", "Yangon", "MM", "Asia/Yangon"},
      {"Dacca", "Dhaka", "BD", "Asia/Dhaka"},
      {"Leningrad", "Saint Petersburg", "RU", "Europe/Moscow"},
      {"Konigsberg", "Kaliningrad", "RU", "Europe/Kaliningrad"},
      {"Lyallpur, Pakistan", "Faisalabad", "PK", "Asia/Karachi"},
  };
  for (const Case& c : cases) {
    const PlaceResolution resolution = GeonamesAtlas().Resolve(c.written);
    const auto* found = std::get_if<ResolvedPlace>(&resolution);
    ASSERT_NE(found, nullptr) << c.written << ": " << std::get<UnresolvedPlace>(resolution).message;
    EXPECT_EQ(found->place.city, c.city) << c.written;
    EXPECT_EQ(found->place.countryCode, c.countryCode) << c.written;
    EXPECT_EQ(found->place.timeZoneId, c.timeZoneId) << c.written;
    EXPECT_EQ(found->matchCount, 1u) << c.written;
  }
}

TEST(FormerNamesTest, TheCityIsShownWithTheFormerNameThatFoundIt) {
  const auto calcutta = GeonamesAtlas().Resolve("Calcutta");
  ASSERT_TRUE(std::holds_alternative<ResolvedPlace>(calcutta));
  EXPECT_EQ(ResolutionText(std::get<ResolvedPlace>(calcutta)),
            "Kolkata (Calcutta), State of West Bengal, India");
  const std::vector<NamedPlace> bomb = GeonamesAtlas().Complete("Bomb");
  ASSERT_FALSE(bomb.empty());
  EXPECT_EQ(DisplayText(bomb.front()), "Mumbai (Bombay), Maharashtra, India");
  // Its own name found it: no former name beside it.
  const std::vector<NamedPlace> mumb = GeonamesAtlas().Complete("Mumb");
  ASSERT_FALSE(mumb.empty());
  EXPECT_EQ(DisplayText(mumb.front()), "Mumbai, Maharashtra, India");
}

TEST(FormerNamesTest, ANameLeadingNowhereOrToSeveralCitiesOrNamingACityIsLeftOut) {
  const Atlas atlas({City("Mumbai", "Maharashtra", "India", "IN", 12000),
                     City("Springfield", "Illinois", "United States of America", "US", 114),
                     City("Springfield", "Missouri", "United States of America", "US", 169),
                     City("Salisbury", "England", "United Kingdom", "GB", 40)},
                    ReadFormerNames("# a comment\n"
                                    "Bombay = Mumbai, India  # 1995\n"
                                    "\n"
                                    "Old Town = Springfield\n"
                                    "Nowhere = Atlantis, India\n"
                                    "Salisbury = Mumbai, India\n"));
  EXPECT_THAT(atlas.FormerNameProblems(),
              ElementsAre("Old Town = Springfield: 2 cities match",
                          "Nowhere = Atlantis, India: 0 cities match",
                          "Salisbury = Mumbai, India: a city of the atlas has that name"));
  const auto bombay = atlas.Resolve("bombay");
  ASSERT_TRUE(std::holds_alternative<ResolvedPlace>(bombay));
  EXPECT_EQ(std::get<ResolvedPlace>(bombay).place.city, "Mumbai");
  EXPECT_TRUE(std::holds_alternative<UnresolvedPlace>(atlas.Resolve("Old Town")));
  const auto salisbury = atlas.Resolve("Salisbury");
  ASSERT_TRUE(std::holds_alternative<ResolvedPlace>(salisbury));
  EXPECT_EQ(std::get<ResolvedPlace>(salisbury).place.countryCode, "GB");
}

}  // namespace
}  // namespace tarvel
