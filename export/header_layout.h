#pragma once

#include <QPointF>
#include <vector>

#include "document/chart_document.h"
#include "export/picture_geometry.h"
#include "export/placed_text.h"

class QPaintDevice;

namespace tarvel {

/// A page's title: the header's, followed by the varga's label when the title does not name
/// it already ("Asha Rao · D9 Navamsa"); the Rasi chart's title alone.
QString PageTitle(const ChartHeader& header);

/// Lays out the header's lines one below the other from `origin`, each in a font that keeps
/// it within `width` device units, the title as PageTitle gives it; `pxPerTwip` device units to a
/// twip. Empty lines are left out, but keep their place.
std::vector<PlacedText> LayOutHeader(const ChartHeader& header, QPointF origin, double width,
                                     double pxPerTwip, const QPaintDevice* device,
                                     const QFont& base);

}  // namespace tarvel
