#pragma once

#include <array>
#include <cstddef>

#include "base/text_style.h"
#include "document/rasi_chart_layout.h"
#include "document/reading_lines.h"

namespace tarvel {

/// What a drawn text is, which decides its colour.
enum class TextRole {
  Title,           ///< the person's name above the chart
  HeaderLine,      ///< the birth and the place
  SkyLine,         ///< which sky computed the chart
  SignBox,         ///< what stands in a sign
  SignNumber,      ///< the sign's number in its box's corner
  Legend,          ///< the legend in the chart's centre
  PlanetName,      ///< a name in the position list
  PlanetPosition,  ///< a position in the position list
  ReadingHeading,  ///< a planet's heading in the reading
  ReadingEntry,    ///< a line of the reading
  Footer,          ///< the page's footer
};
inline constexpr std::size_t kTextRoleCount = 11;

/// The colours a chart is drawn in: one per text role, the chart square's ground and its
/// lines, and the ground around the square.
struct ChartPalette {
  std::array<Rgb, kTextRoleCount> text;
  Rgb squareGround;
  Rgb boxLines;
  Rgb ground;        ///< around the square
  bool fillsGround;  ///< false leaves the ground to whatever is below (the window's view)

  constexpr Rgb Of(TextRole role) const { return text[static_cast<std::size_t>(role)]; }
};

/// Colours for white paper. The window's yellow, cyan and teal are made for its dark view and
/// vanish on paper, so each becomes a darker shade of itself that reads on white (contrast at
/// least 4.5 to 1); the legend's dark red already does.
inline constexpr ChartPalette kPrintPalette{
    .text = {{
        {0, 0, 0},        // Title
        {51, 51, 51},     // HeaderLine
        {90, 90, 90},     // SkyLine
        {17, 17, 17},     // SignBox
        {100, 100, 100},  // SignNumber
        kLegendColour,    // Legend
        {0, 102, 112},    // PlanetName: the list's teal, darkened
        {128, 80, 0},     // PlanetPosition: the list's yellow, as a dark amber
        {0, 92, 122},     // ReadingHeading: the headings' cyan, darkened
        {34, 34, 34},     // ReadingEntry
        {100, 100, 100},  // Footer
    }},
    .squareGround = {255, 255, 255},
    .boxLines = {70, 70, 70},
    .ground = {255, 255, 255},
    .fillsGround = true,
};

/// The legend's red on a dark window ground, where its dark red would not read: a light red of
/// the same hue.
inline constexpr Rgb kLegendOnDarkColour{255, 128, 128};

/// True for a ground darker than mid grey by its luma (ITU-R BT.601 weights).
constexpr bool IsDarkGround(Rgb ground) {
  return 299 * ground.red + 587 * ground.green + 114 * ground.blue < 1000 * 128;
}

/// Colours for the window: the square on the system's window colours, the legend dark red on
/// a light ground and light red on a dark one, and the position list in teal and yellow on
/// the view's own dark ground.
constexpr ChartPalette ScreenPalette(Rgb windowGround, Rgb windowText) {
  ChartPalette palette = kPrintPalette;
  const auto set = [&palette](TextRole role, Rgb colour) {
    palette.text[static_cast<std::size_t>(role)] = colour;
  };
  set(TextRole::SignBox, windowText);
  set(TextRole::SignNumber, windowText);
  set(TextRole::Legend, IsDarkGround(windowGround) ? kLegendOnDarkColour : kLegendColour);
  set(TextRole::PlanetName, kPlanetNameColour);
  set(TextRole::PlanetPosition, kPlanetPositionColour);
  set(TextRole::ReadingHeading, kReadingHeadingColour);
  set(TextRole::ReadingEntry, kReadingLineColour);
  palette.squareGround = windowGround;
  palette.boxLines = windowText;
  palette.fillsGround = false;
  return palette;
}

}  // namespace tarvel
