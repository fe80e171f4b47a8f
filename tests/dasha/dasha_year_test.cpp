#include "dasha/dasha_year.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

// Each year's name reads back in any case, with its length in days.
TEST(DashaYearTest, NamesAndLengths) {
  const std::tuple<std::string_view, DashaYear, double> kYears[] = {
      {"sidereal", DashaYear::Sidereal, 365.256364},
      {"Julian", DashaYear::Julian, 365.25},
      {"TROPICAL", DashaYear::Tropical, 365.24219},
      {"savana", DashaYear::Savana, 360}};
  for (const auto& [typed, year, days] : kYears) {
    EXPECT_EQ(ParseDashaYear(typed), year) << typed;
    EXPECT_EQ(DashaYearDays(year), days) << typed;
  }
  EXPECT_EQ(ParseDashaYear("lunar"), std::nullopt);
  EXPECT_EQ(DashaYearCommandNames(), "sidereal, julian, tropical or savana");
}

}  // namespace
}  // namespace tarvel
