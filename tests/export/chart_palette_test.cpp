#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "export/chart_palette.h"

namespace tarvel {
namespace {

// Relative luminance and contrast ratio as WCAG 2 defines them.
double Luminance(Rgb colour) {
  const auto linear = [](std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double Contrast(Rgb a, Rgb b) {
  const double lighter = std::max(Luminance(a), Luminance(b));
  const double darker = std::min(Luminance(a), Luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

constexpr Rgb kWhite{255, 255, 255};
// The AA level of WCAG 2 for ordinary text.
constexpr double kReadableContrast = 4.5;

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
