#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "atlas/atlas.h"
#include "atlas/search_text.h"
#include "geonames_atlas.h"

namespace tarvel {
namespace {

using testing::City;
using testing::GeonamesAtlas;

std::vector<std::string> Cities(const std::vector<NamedPlace>& places) {
  std::vector<std::string> names;
  for (const NamedPlace& named : places) names.push_back(DisplayText(named));
  return names;
}

bool AWordStartsWith(const std::string& foldedName, const std::string& foldedPrefix) {
  const std::string spaced = " " + foldedName;
  return spaced.find(" " + foldedPrefix) != std::string::npos;
}

TEST(DisplayTextTest, LeavesOutAnEmptyState) {
  EXPECT_EQ(DisplayText(City("Mumbai", "Maharashtra", "India", "IN", 0)),
            "Mumbai, Maharashtra, India");
  EXPECT_EQ(DisplayText(City("Monaco", "", "Principality of Monaco", "MC", 0)),
            "Monaco, Principality of Monaco");
}

TEST(AtlasCompleteTest, HoldsLibgeonamesCities) {
  // Debian 12's libgeonames holds 24,361; a loader dropping cities would fall short.
  EXPECT_GE(GeonamesAtlas().size(), 24000u);
}

TEST(AtlasCompleteTest, MostPopulousMatchComesFirst) {
  struct Case {
    const char* typed;
    const char* city;
    const char* countryCode;
  };
  const Case cases[] = {
      {"Mumb", "Mumbai", "IN"},         {"mumbai", "Mumbai", "IN"},
      {"zür", "Zurich", "CH"},          {"sao p", "São Paulo", "BR"},
      {"SAO PAULO", "São Paulo", "BR"}, {"york", "New York", "US"},
      {"new yo", "New York", "US"},     {"Springf", "Springfield", "US"},
      {"Paris, tex", "Paris", "US"},    {"Paris, US", "Paris", "US"},
      {"Paris, Fr", "Paris", "FR"},     {"london, ontario", "London", "CA"},
  };
  for (const Case& c : cases) {
    const std::vector<NamedPlace> found = GeonamesAtlas().Complete(c.typed);
    ASSERT_FALSE(found.empty()) << c.typed;
    EXPECT_EQ(found.front().place.city, c.city) << c.typed;
    EXPECT_EQ(found.front().place.countryCode, c.countryCode) << c.typed;
  }
}

TEST(AtlasCompleteTest, OffersOnlyMatchingNamesMostPopulousFirst) {
  const char* typed[] = {"Mu", "sa", "San", "new", "Be", "lo", "st", "al"};
  for (const char* text : typed) {
    const std::vector<NamedPlace> found = GeonamesAtlas().Complete(text, 25);
    const std::string prefix = FoldForSearch(text);
    EXPECT_EQ(found.size(), 25u) << text;
    for (std::size_t i = 0; i < found.size(); ++i) {
      const NamedPlace& named = found[i];
      const std::string& name = named.formerName.empty() ? named.place.city : named.formerName;
      EXPECT_TRUE(AWordStartsWith(FoldForSearch(name), prefix)) << name;
      if (i > 0) {
        EXPECT_GE(found[i - 1].place.population, named.place.population) << text;
      }
    }
  }
}

TEST(AtlasCompleteTest, FewerThanTwoLettersOfferNothing) {
  const char* typed[] = {"", "M", " m ", "Ö", ", India", "-"};
  for (const char* text : typed) {
    EXPECT_TRUE(GeonamesAtlas().Complete(text).empty()) << text;
  }
  EXPECT_FALSE(GeonamesAtlas().Complete("Mu").empty());
  EXPECT_TRUE(GeonamesAtlas().Complete("Mumbai", 0).empty());
}

TEST(AtlasCompleteTest, UnknownNameOffersNothing) {
  EXPECT_TRUE(GeonamesAtlas().Complete("Xqzzv").empty());
  EXPECT_TRUE(GeonamesAtlas().Complete("Mumbai, France").empty());
}

TEST(AtlasCompleteTest, EqualPopulationsKeepNameOrderAndEachPlaceComesOnce) {
  const Atlas atlas({City("San Sebastián de los Reyes", "Madrid", "Spain", "ES", 500),
                     City("Salem", "Oregon", "United States of America", "US", 500),
                     City("Sale", "Rabat-Salé-Kénitra", "Morocco", "MA", 900),
                     City("Basel", "Basel-City", "Switzerland", "CH", 9000)});
  EXPECT_THAT(Cities(atlas.Complete("sa")),
              ::testing::ElementsAre("Sale, Rabat-Salé-Kénitra, Morocco",
                                     "Salem, Oregon, United States of America",
                                     "San Sebastián de los Reyes, Madrid, Spain"));
  EXPECT_THAT(Cities(atlas.Complete("se")),
              ::testing::ElementsAre("San Sebastián de los Reyes, Madrid, Spain"));
}

}  // namespace
}  // namespace tarvel
