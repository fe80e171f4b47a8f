#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QSizeF>
#include <QStringList>
#include <functional>

class QPaintDevice;

namespace tarvel {

/// Whether texts measured in a font stay inside their place.
using FitTest = std::function<bool(const QFontMetricsF& metrics)>;

/// `font` at the largest whole pixel size from 1 to `preferredPx` at which `fits` holds when
/// measured on `device`; at 1 pixel when none does. The font draws no ligatures.
QFont FittedFont(QFont font, int preferredPx, const QPaintDevice* device, const FitTest& fits);

/// The height lines take, one below the other: the last one's height and the line spacing
/// above it, in the metrics' units.
double LinesHeight(const QFontMetricsF& metrics, qsizetype lineCount);

/// True when every line is at most `box.width()` wide and all of them, one below the other,
/// at most `box.height()` high.
bool LinesFit(const QFontMetricsF& metrics, const QStringList& lines, const QSizeF& box);

/// A sign box's caption ("Asc / S / Mo") in lines at most `width` wide: as many items as fit
/// on each line, a line with more to come ending in " /", so that the lines joined by spaces
/// give the caption back. An item wider than `width` stands alone on its line. No lines for
/// an empty caption.
QStringList WrapSignItems(const QString& caption, const QFontMetricsF& metrics, double width);

}  // namespace tarvel
