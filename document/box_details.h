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

/// An item with the degrees and the mark `details` asks for, at the positions of its point.
BoxItem DetailedItem(BoxItem item, const SkyPositions& positions, BoxDetails details);

/// The captions with the sign boxes and the position list as `details` asks; the same as
/// BuildChartCaptions when nothing is asked.
ChartCaptions DetailedCaptions(const ChartSigns& signs, const SkyPositions& positions,
                               BoxDetails details);

}  // namespace tarvel
