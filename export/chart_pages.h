#pragma once

#include <QSizeF>
#include <optional>
#include <string>
#include <vector>

#include "document/chart_document.h"
#include "export/chart_card_layout.h"

class QPagedPaintDevice;
class QPainter;

namespace tarvel {

/// One printed page: the header and the chart card on the first, the reading lines that fall
/// on it, and its footer.
struct ChartPage {
  std::vector<PlacedText> texts;
  std::optional<ChartCardLayout> card;  ///< on the first page only
};

/// Lays out a document on pages of `pageSize` device units (the part within the margins) of
/// `device`: the header, the chart card as wide as the page allows (up to one and a half times
/// the window's size), then the reading, the Argala synthesis and the periods where the
/// document holds them, broken between pages where a line ends (see BreakPages). Each page's footer
/// gives the name and the page's number.
std::vector<ChartPage> LayOutChartPages(const ChartDocument& document, QSizeF pageSize,
                                        const QPaintDevice* device, const QFont& base);

/// Draws one page laid out by LayOutChartPages.
void PaintChartPage(QPainter& painter, const ChartPage& page, const ChartPalette& palette);

/// Draws a document on a paged device (a printer or a PDF writer) in the print colours, one
/// page after another, its glyphs not hinted. The reason when drawing cannot start.
std::optional<std::string> PrintChartDocument(QPagedPaintDevice& device,
                                              const ChartDocument& document, const QFont& base);

}  // namespace tarvel
