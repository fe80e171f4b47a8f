#pragma once

#include <array>
#include <string_view>

#include "base/planets.h"
#include "base/signs.h"
#include "base/text_style.h"

namespace tarvel {

/// A control's place relative to its container, in twips (1440 to the inch).
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TwipRect&) const = default;
};

/// A cell of the chart's 4 x 4 grid, counted from 0 at the top left.
struct GridCell {
  int column = 0;
  int row = 0;
  bool operator==(const GridCell&) const = default;
};

/// The square picture area that holds the chart, within the result view.
inline constexpr TwipRect kChartPicture{1080, 45, 4200, 4200};
inline constexpr int kChartGridSize = 4;
inline constexpr int kChartCellTwips = 1050;

/// Where each sign's box stands, by sign number: clockwise from Aries, second from the left in
/// the top row; the four centre cells hold the legend.
inline constexpr std::array<GridCell, kSignCount> kSignBoxCells = {{
    {1, 0},
    {2, 0},
    {3, 0},
    {3, 1},
    {3, 2},
    {3, 3},
    {2, 3},
    {1, 3},
    {0, 3},
    {0, 2},
    {0, 1},
    {0, 0},
}};

/// The sign box of a sign (0 = Aries ... 11 = Pisces), within the picture area.
constexpr TwipRect SignBoxRect(int sign) {
  const GridCell cell = kSignBoxCells[static_cast<std::size_t>(sign)];
  return {cell.column * kChartCellTwips, cell.row * kChartCellTwips, kChartCellTwips,
          kChartCellTwips};
}

/// A fixed sign-number label in the lower right corner of its box.
struct SignNumberLabel {
  std::string_view caption;
  TwipRect rect;
};

inline constexpr int kSignNumberHeight = 210;
inline constexpr int kOneDigitWidth = 135;
inline constexpr int kTwoDigitWidth = 270;

/// `lblSignNo` by sign number: the zodiac's numbers, never the houses.
inline constexpr std::array<SignNumberLabel, kSignCount> kSignNumberLabels = {{
    {"1", {1920, 720, kOneDigitWidth, kSignNumberHeight}},
    {"2", {2880, 720, kOneDigitWidth, kSignNumberHeight}},
    {"3", {3960, 720, kOneDigitWidth, kSignNumberHeight}},
    {"4", {3960, 1800, kOneDigitWidth, kSignNumberHeight}},
    {"5", {3960, 2880, kOneDigitWidth, kSignNumberHeight}},
    {"6", {3960, 3960, kOneDigitWidth, kSignNumberHeight}},
    {"7", {2880, 3960, kOneDigitWidth, kSignNumberHeight}},
    {"8", {1920, 3960, kOneDigitWidth, kSignNumberHeight}},
    {"9", {720, 3960, kOneDigitWidth, kSignNumberHeight}},
    {"10", {720, 2880, kTwoDigitWidth, kSignNumberHeight}},
    {"11", {720, 1800, kTwoDigitWidth, kSignNumberHeight}},
    {"12", {720, 720, kTwoDigitWidth, kSignNumberHeight}},
}};

inline constexpr int kLabelHeight = 195;

/// The legend line `lblPlanet` of a planet, in the centre of the picture area.
constexpr TwipRect LegendLabelRect(int planet) {
  return {1350, 1080 + 225 * planet, 1530, kLabelHeight};
}

/// The name label `lblPlanets_Name` of a planet, left of the picture area.
constexpr TwipRect PlanetNameLabelRect(int planet) {
  return {120, 390 * planet, 795, kLabelHeight};
}

/// The position label `lblPlanets_Position` of a planet, right below its name.
constexpr TwipRect PlanetPositionLabelRect(int planet) {
  return {120, 195 + 390 * planet, 660, kLabelHeight};
}

/// Text colour of the legend: dark red.
inline constexpr Rgb kLegendColour{128, 0, 0};
/// Text colour of the planet names in the position list: teal.
inline constexpr Rgb kPlanetNameColour{0, 192, 192};
/// Text colour of the positions in the position list: yellow.
inline constexpr Rgb kPlanetPositionColour{255, 255, 0};

}  // namespace tarvel
