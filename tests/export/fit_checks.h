#pragma once

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPaintDevice>

#include "export/placed_text.h"

namespace tarvel::testing {

/// Every line of the text at most its box's width, and the lines one below the other at most
/// its height, measured in the text's own font on `device`.
inline void ExpectFits(const PlacedText& text, const QPaintDevice* device) {
  const QFontMetricsF metrics(text.font, device);
  for (const QString& line : text.lines) {
    EXPECT_LE(metrics.horizontalAdvance(line), text.box.width())
        << line.toStdString() << " in a font of " << text.font.pixelSize() << " px";
  }
  const double height =
      text.lines.isEmpty() ? 0 : metrics.height() + (text.lines.size() - 1) * metrics.lineSpacing();
  EXPECT_LE(height, text.box.height()) << text.lines.join(" ").toStdString();
}

/// The text's box within `outer`.
inline void ExpectInside(const PlacedText& text, const QRectF& outer) {
  const QRectF slack = outer.adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
  EXPECT_TRUE(slack.contains(text.box)) << text.lines.join(" ").toStdString();
}

}  // namespace tarvel::testing
