#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <string>

#include "document/chart_document.h"
#include "export/picture_geometry.h"

namespace tarvel {

/// Writes the document as a PDF of A4 pages with 15 mm margins. Like every export here, the
/// file is written whole or not at all (an existing file is replaced only once the new one is
/// complete), and a failure gives its reason, e.g. "Permission denied".
std::optional<std::string> WritePdf(const QString& path, const ChartDocument& document);

/// Writes the chart's picture (header and chart card on white) as a PNG image of `size`.
std::optional<std::string> WritePng(const QString& path, const ChartDocument& document, QSize size);

/// Writes the chart's picture as an SVG drawing of `size` pixels, its texts kept as text.
std::optional<std::string> WriteSvg(const QString& path, const ChartDocument& document, QSize size);

/// True when the path names an SVG drawing (".svg" in any letter case).
bool IsSvgPath(const QString& path);

/// WriteSvg for a path ending in ".svg", WritePng for any other.
std::optional<std::string> WritePicture(const QString& path, const ChartDocument& document,
                                        QSize size);

}  // namespace tarvel
