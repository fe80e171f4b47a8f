#pragma once

#include <QFontMetricsF>
#include <QString>

namespace tarvel {

/// A readable width for a tooltip: about 60 average characters of its font, in pixels.
double ReadableWidthPx(const QFont& font);

/// `text` broken at word boundaries into lines no wider than `widthPx` in `font`
/// (a word longer than the width stands on a line of its own); its own line breaks are kept.
QString WrapToWidth(const QString& text, const QFont& font, double widthPx);

}  // namespace tarvel
