#include "dasha/dasha_year.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

// Each year's name reads back in any case, with its length in days.
TEST(DashaYearTest, NamesAndLengths) {
  const struct {
    std::string_view typed;
    DashaYear year;
    double days;
  } kYears[] = {{"sidereal", DashaYear::Sidereal, 365.256364},
                {"Julian", DashaYear::Julian, 365.25},
                {"TROPICAL", DashaYear::Tropical, 365.24219},
                {"savana", DashaYear::Savana, 360}};
  for (const auto& row : kYears) {
    EXPECT_EQ(ParseDashaYear(row.typed), row.year) << row.typed;
    EXPECT_EQ(DashaYearDays(row.year), row.days) << row.typed;
  }
  EXPECT_EQ(ParseDashaYear("lunar"), std::nullopt);
  EXPECT_EQ(DashaYearCommandNames(), "sidereal, julian, tropical or savana");
}

}  // namespace
}  // namespace tarvel
