#pragma once

#include "document/chart_captions.h"
#include "positions/sky.h"

namespace tarvel {

/// What the sign boxes say beyond the abbreviations; nothing more unless asked.
struct BoxDetails {
  /// Degrees and minutes within the sign after each point in its box, and the ascendant's
  /// line at the end of the position list.
  bool degrees = false;
  /// "(R)" after a planet moving backward at the instant.
  bool retrogradeMark = false;
  bool operator==(const BoxDetails&) const = default;
};

/// The ascendant's name in the position list.
inline constexpr std::string_view kAscendantName = "Ascendant";
/// Follows a planet moving backward.
inline constexpr std::string_view kRetrogradeMark = "(R)";

/// One point's item in its sign box: its abbreviation, then its degrees and minutes within the
/// sign and the retrograde mark as `details` asks, e.g. "Me 20°15' (R)".
std::string BoxItemText(std::string_view abbreviation, double longitudeDeg, bool retrograde,
                        BoxDetails details);

/// What a sign box shows with the details asked for: as SignBoxText, each item as BoxItemText.
std::string DetailedSignBoxText(const ChartSigns& signs, const SkyPositions& positions, int sign,
                                BoxDetails details);

/// The captions with the sign boxes and the position list as `details` asks; the same as
/// BuildChartCaptions when nothing is asked.
ChartCaptions DetailedCaptions(const ChartSigns& signs, const SkyPositions& positions,
                               BoxDetails details);

}  // namespace tarvel
