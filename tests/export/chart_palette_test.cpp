#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "export/chart_palette.h"
#include "tests/support/contrast.h"

namespace tarvel {
namespace {

using testing::Contrast;
using testing::kReadableContrast;
using testing::Luminance;

constexpr Rgb kWhite{255, 255, 255};

TEST(ChartPaletteTest, EveryPrintedTextReadsOnWhitePaper) {
  ASSERT_EQ(kPrintPalette.ground, kWhite);
  ASSERT_EQ(kPrintPalette.squareGround, kWhite);
  for (std::size_t role = 0; role < kTextRoleCount; ++role) {
    EXPECT_GE(Contrast(kPrintPalette.text[role], kWhite), kReadableContrast) << "role " << role;
  }
  EXPECT_GE(Contrast(kPrintPalette.boxLines, kWhite), kReadableContrast);
}

// Hue in degrees (0-360) of a colour that is not grey.
double Hue(Rgb colour) {
  const double r = colour.red, g = colour.green, b = colour.blue;
  const double hueDeg =
      std::atan2(std::sqrt(3.0) * (g - b), 2 * r - g - b) * 180 / std::numbers::pi;
  return hueDeg < 0 ? hueDeg + 360 : hueDeg;
}

// The window's list and reading colours were made for a dark ground and would not read on
// paper; print must give each role a darker shade of the same colour, not another colour.
TEST(ChartPaletteTest, PrintDarkensEachOfTheWindowsLightColoursKeepingItsHue) {
  const ChartPalette screen = ScreenPalette(kWhite, {0, 0, 0});
  for (const TextRole role :
       {TextRole::PlanetPosition, TextRole::ReadingHeading, TextRole::PlanetName}) {
    const Rgb window = screen.Of(role);
    const Rgb print = kPrintPalette.Of(role);
    EXPECT_LT(Contrast(window, kWhite), kReadableContrast) << static_cast<int>(role);
    EXPECT_LT(Luminance(print), Luminance(window)) << static_cast<int>(role);
    const double hueApart = std::abs(Hue(print) - Hue(window));
    EXPECT_LT(std::min(hueApart, 360 - hueApart), 25) << static_cast<int>(role);
  }
}

TEST(ChartPaletteTest, TheScreenKeepsTheWindowsColoursOnItsOwnGround) {
  const Rgb ground{240, 240, 240};
  const Rgb text{20, 20, 20};
  const ChartPalette screen = ScreenPalette(ground, text);
  EXPECT_EQ(screen.Of(TextRole::PlanetName), kPlanetNameColour);
  EXPECT_EQ(screen.Of(TextRole::PlanetPosition), kPlanetPositionColour);
  EXPECT_EQ(screen.Of(TextRole::Legend), kLegendColour);
  EXPECT_EQ(screen.Of(TextRole::SignBox), text);
  EXPECT_EQ(screen.squareGround, ground);
  EXPECT_FALSE(screen.fillsGround);
}

}  // namespace
}  // namespace tarvel
