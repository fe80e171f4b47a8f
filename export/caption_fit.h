#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QSizeF>
#include <QStringList>
#include <functional>
#include <vector>

#include "document/box_items.h"
#include "export/placed_text.h"

class QPaintDevice;

namespace tarvel {

/// How much room texts measured in a font need, as a share of the room they have: the largest
/// of their widths and heights each divided by its room's; 1 or less fits.
using FitMeasure = std::function<double(const QFontMetricsF& metrics)>;

/// `font` at the largest whole pixel size from 1 to `preferredPx` at which the texts `need`
/// measures fit, measured on `device`; at 1 pixel when none does. The font draws no
/// ligatures.
QFont FittedFont(QFont font, int preferredPx, const QPaintDevice* device, const FitMeasure& need);

/// The height lines take, one below the other: the last one's height and the line spacing
/// above it, in the metrics' units.
double LinesHeight(const QFontMetricsF& metrics, qsizetype lineCount);

/// The room lines need in `box`, one below the other, as a share of it (see FitMeasure).
double LinesNeed(const QFontMetricsF& metrics, const QStringList& lines, const QSizeF& box);

/// A sign box's items laid into lines, and where each item stands in them.
struct WrappedItems {
  QStringList lines;
  std::vector<TextItem> items;
};

/// A sign box's items in lines at most `width` wide: as many items as fit on each line, a
/// line with more to come ending in " /", so that the lines joined by spaces give the box's
/// one line back. An item wider than `width` stands alone on its line. No lines for an empty
/// box.
WrappedItems WrapSignItems(const BoxItems& items, const QFontMetricsF& metrics, double width);

/// A text in lines at most `width` wide, broken between words; a word wider than `width`
/// stands alone on its line. The lines joined by spaces give the text back, its runs of
/// spaces as one.
QStringList WrapWords(const QString& text, const QFontMetricsF& metrics, double width);

}  // namespace tarvel
