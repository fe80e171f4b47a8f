#pragma once

#include <QPointF>
#include <vector>

#include "document/chart_document.h"
#include "export/picture_geometry.h"
#include "export/placed_text.h"

class QPaintDevice;

namespace tarvel {

/// Lays out the header's lines one below the other from `origin`, each in a font that keeps
/// it within `width` device units; `pxPerTwip` device units to a twip. Empty lines are left
/// out, but keep their place.
std::vector<PlacedText> LayOutHeader(const ChartHeader& header, QPointF origin, double width,
                                     double pxPerTwip, const QPaintDevice* device,
                                     const QFont& base);

}  // namespace tarvel
