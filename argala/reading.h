#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "argala/result_view.h"
#include "ephemeris/chart_state.h"

namespace tarvel {

/// Planet headings of the reading: light cyan.
inline constexpr Rgb kReadingHeadingColour{0, 255, 255};
/// Reading lines: yellow.
inline constexpr Rgb kReadingLineColour{255, 255, 0};

inline constexpr std::string_view kReadingLineBreak = "\r\n";
inline constexpr std::string_view kNoArgalaText = "No Argala Associated with this Planet";

/// The reading: for each planet in index order, its name as a heading, then the lines of the
/// Argala and then the Virodhargala entries it casts (each entry without its caster), or the
/// no-Argala line, and an empty line.
Reading BuildReading(const std::vector<std::string>& argalaList,
                     const std::vector<std::string>& virodhargalaList,
                     const PlanetTable& planetNames);

/// BuildReading written into `reading`, over the runs it already holds so that their room is
/// used again.
void FillReading(const std::vector<std::string>& argalaList,
                 const std::vector<std::string>& virodhargalaList, const PlanetTable& planetNames,
                 Reading& reading);

/// The reading's text without colours and emphases; line breaks stay CR LF.
std::string ReadingPlainText(const Reading& reading);

}  // namespace tarvel
