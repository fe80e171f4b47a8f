#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "atlas/atlas.h"
#include "geonames_atlas.h"

namespace tarvel {
namespace {

using testing::GeonamesAtlas;
using ::testing::HasSubstr;

Place Springfield(const char* city, const char* state, std::uint32_t population) {
  return testing::City(city, state, "United States of America", "US", population);
}

const ResolvedPlace* Found(const PlaceResolution& resolution) {
  // The pointer lives as long as `resolution`: keep it in a variable.
  return std::get_if<ResolvedPlace>(&resolution);
}

struct Case {
  const char* written;
  const char* city;
  const char* countryCode;
  const char* timeZoneId;
  double latitudeDeg;  // published coordinates of the city centre
  double longitudeDeg;
};

TEST(AtlasResolveTest, FindsWrittenPlacesWhateverTheCaseAccentsAndCountryName) {
  const Case cases[] = {
      {"Mumbai, India", "Mumbai", "IN", "Asia/Kolkata", 19.08, 72.88},
      {"mumbai, IN", "Mumbai", "IN", "Asia/Kolkata", 19.08, 72.88},
      {"Zurich, Switzerland", "Zurich", "CH", "Europe/Zurich", 47.37, 8.54},
      {"sao paulo", "São Paulo", "BR", "America/Sao_Paulo", -23.55, -46.63},
      {"Paris, France", "Paris", "FR", "Europe/Paris", 48.86, 2.35},
      {"Paris, USA", "Paris", "US", "America/Chicago", 33.66, -95.56},
      {"Paris, Texas", "Paris", "US", "America/Chicago", 33.66, -95.56},
      {"London, UK", "London", "GB", "Europe/London", 51.51, -0.13},
      {"London, Ontario", "London", "CA", "America/Toronto", 42.98, -81.25},
      {"Kolkata, West Bengal, India", "Kolkata", "IN", "Asia/Kolkata", 22.57, 88.36},
      {"Atlanta, Georgia", "Atlanta", "US", "America/New_York", 33.75, -84.39},
      {"Tbilisi, Georgia", "Tbilisi", "GE", "Asia/Tbilisi", 41.72, 44.79},
      {"Dubai, UAE", "Dubai", "AE", "Asia/Dubai", 25.26, 55.30},
      {"Springfield, Illinois, USA", "Springfield", "US", "America/Chicago", 39.80, -89.64},
  };
  for (const Case& c : cases) {
    const PlaceResolution resolution = GeonamesAtlas().Resolve(c.written);
    const ResolvedPlace* found = Found(resolution);
    ASSERT_NE(found, nullptr) << c.written << ": " << std::get<UnresolvedPlace>(resolution).message;
    EXPECT_EQ(found->place.city, c.city) << c.written;
    EXPECT_EQ(found->place.countryCode, c.countryCode) << c.written;
    EXPECT_EQ(found->place.timeZoneId, c.timeZoneId) << c.written;
    // The atlas's point for a large city may lie a little off its centre (Dubai's by 0.19
    // degrees); a quarter of a degree still catches a swapped or mis-signed coordinate.
    EXPECT_NEAR(found->place.latitudeDeg, c.latitudeDeg, 0.25) << c.written;
    EXPECT_NEAR(found->place.longitudeDeg, c.longitudeDeg, 0.25) << c.written;
  }
}

// Springfield, Missouri (169,000 at the 2020 census) outnumbers Springfield, Massachusetts
// (155,000) and Springfield, Illinois (114,000).
TEST(AtlasResolveTest, SeveralMatchesTakeTheMostPopulousAndSaySo) {
  const PlaceResolution resolution = GeonamesAtlas().Resolve("Springfield");
  const ResolvedPlace* found = Found(resolution);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->place.state, "Missouri");
  EXPECT_GE(found->matchCount, 3u);
  EXPECT_THAT(ResolutionText(*found),
              HasSubstr("Springfield, Missouri, United States of America (most populous of "));

  const PlaceResolution inIllinois = GeonamesAtlas().Resolve("Springfield, Illinois");
  const ResolvedPlace* illinois = Found(inIllinois);
  ASSERT_NE(illinois, nullptr);
  EXPECT_EQ(illinois->matchCount, 1u);
  EXPECT_EQ(ResolutionText(*illinois), "Springfield, Illinois, United States of America");
}

TEST(AtlasResolveTest, CountsOnlyWholeNamesAmongMatches) {
  const Atlas atlas({Springfield("Springfield", "Missouri", 169000),
                     Springfield("Springfield", "Massachusetts", 155000),
                     Springfield("West Springfield", "Massachusetts", 28000),
                     Springfield("Springfield Gardens", "New York", 30000),
                     Springfield("Springfield", "Illinois", 114000)});
  const PlaceResolution resolution = atlas.Resolve("springfield");
  const ResolvedPlace* found = Found(resolution);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->matchCount, 3u);
  EXPECT_EQ(found->place.state, "Missouri");
  EXPECT_EQ(ResolutionText(*found),
            "Springfield, Missouri, United States of America (most populous of 3 matches)");

  const PlaceResolution inMassachusetts = atlas.Resolve("Springfield, Massachusetts, US");
  const ResolvedPlace* massachusetts = Found(inMassachusetts);
  ASSERT_NE(massachusetts, nullptr);
  EXPECT_EQ(massachusetts->matchCount, 1u);
  EXPECT_EQ(massachusetts->place.population, 155000u);
}

TEST(AtlasResolveTest, UnknownPlaceNamesTheNearestCandidates) {
  struct Unknown {
    const char* written;
    const char* inMessage;
    const char* firstCandidate;
    const char* candidateCountry;
  };
  const Unknown cases[] = {
      {"Pariss", "\"Pariss\"", "Paris", "FR"},
      {"Mumbaii, India", "\"Mumbaii\"", "Mumbai", "IN"},
      {"Paris, Germany", "\"Germany\"", "Paris", "FR"},
      {"Zuri", "\"Zuri\"", "Zurich", "CH"},
  };
  for (const Unknown& c : cases) {
    const PlaceResolution resolution = GeonamesAtlas().Resolve(c.written);
    const auto* unknown = std::get_if<UnresolvedPlace>(&resolution);
    ASSERT_NE(unknown, nullptr) << c.written;
    EXPECT_THAT(unknown->message, HasSubstr(c.inMessage));
    ASSERT_FALSE(unknown->candidates.empty()) << c.written;
    EXPECT_LE(unknown->candidates.size(), 5u);
    EXPECT_EQ(unknown->candidates.front().city, c.firstCandidate) << c.written;
    EXPECT_EQ(unknown->candidates.front().countryCode, c.candidateCountry) << c.written;
    EXPECT_THAT(unknown->message, HasSubstr(DisplayText(unknown->candidates.front())));
    for (std::size_t i = 1; i < unknown->candidates.size(); ++i) {
      EXPECT_GE(unknown->candidates[i - 1].population, unknown->candidates[i].population);
    }
  }
}

TEST(AtlasResolveTest, MalformedWritingIsRefusedWithAMessage) {
  const char* cases[] = {"", "   ", ", India", "a, b, c, d"};
  for (const char* written : cases) {
    const PlaceResolution resolution = GeonamesAtlas().Resolve(written);
    const auto* unknown = std::get_if<UnresolvedPlace>(&resolution);
    ASSERT_NE(unknown, nullptr) << written;
    EXPECT_FALSE(unknown->message.empty()) << written;
    EXPECT_TRUE(unknown->candidates.empty()) << written;
  }
}

TEST(AtlasResolveTest, NameWithNothingNearIsUnknownWithoutCandidates) {
  const PlaceResolution resolution = GeonamesAtlas().Resolve("Qxqxqxqxqx");
  const auto* unknown = std::get_if<UnresolvedPlace>(&resolution);
  ASSERT_NE(unknown, nullptr);
  EXPECT_THAT(unknown->message, HasSubstr("\"Qxqxqxqxqx\""));
  EXPECT_TRUE(unknown->candidates.empty());
}

}  // namespace
}  // namespace tarvel
