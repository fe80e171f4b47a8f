#pragma once

#include <QColor>

#include "export/chart_card_layout.h"

class QPainter;

namespace tarvel {

struct ChartOverlay;

/// Draws a placed text in its role's colour, line below line from the top of its box, or
/// aligned in its box when it has one line.
void PaintText(QPainter& painter, const PlacedText& text, const ChartPalette& palette);

/// Draws the chart card: the ground (when the palette fills it), the square with its twelve
/// boxes or cells in the card's style, every text and, when there is one, the explaining chart's
/// overlay over them.
void PaintChartCard(QPainter& painter, const ChartCardLayout& card, const ChartPalette& palette,
                    const ChartOverlay* overlay = nullptr);

}  // namespace tarvel
