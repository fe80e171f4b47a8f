#pragma once

#include <QRectF>
#include <optional>
#include <vector>

#include "document/argala_explanation.h"
#include "export/chart_card_layout.h"

class QPainter;

namespace tarvel {

/// What the explaining chart draws over a card: a frame on the sign box the keyboard is on,
/// and an explanation's recipient, highlighted, with its arrows.
struct ChartOverlay {
  std::optional<int> cursorSign;  ///< 0 = Aries; none draws no frame
  std::optional<ArgalaExplanation> explanation;
  std::vector<ArgalaExplanation>
      period;  ///< the recipients of a period's lords, each with its arrows
  bool operator==(const ChartOverlay&) const = default;
};

/// Arrows from a benefic (Shubha) and from a malefic (Paap): cyan and violet, hues far from
/// the verdicts' green, blue, amber and red, mid tones that read on a light and a dark square.
inline constexpr Rgb kShubhaArrowColour{0, 155, 165};
inline constexpr Rgb kPaapArrowColour{180, 90, 240};

/// Where a sign box's text draws its item number `item` (0 first; see SignBoxItem), in the
/// device's units; none when the box has fewer items.
std::optional<QRectF> SignItemRect(const PlacedText& text, int item, const QPaintDevice* device);

/// The number of the item a sign box's text draws at `point`; none between and beside them.
std::optional<int> SignItemAt(const PlacedText& text, QPointF point, const QPaintDevice* device);

/// The number of the item that stands for `planet` (none: the ascendant) in a sign box's
/// text; none when the box does not hold it.
std::optional<int> SignItemOf(const PlacedText& text, std::optional<PlanetIndex> planet);

/// The sign (0 = Aries) whose box holds `point`; none outside every box.
std::optional<int> SignBoxAt(const ChartCardLayout& card, QPointF point);

/// Draws the overlay over a painted card: the cursor's frame in the box lines' colour, the
/// recipient highlighted, arrows from its casters solid and from its obstructers dashed.
void PaintChartOverlay(QPainter& painter, const ChartCardLayout& card, const ChartOverlay& overlay,
                       Rgb frameColour);

}  // namespace tarvel
