#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStringList>
#include <optional>
#include <string_view>
#include <vector>

#include "base/planets.h"
#include "export/chart_palette.h"

namespace tarvel {

/// Where one item of a sign box stands in its text's lines, and what it is.
struct TextItem {
  std::optional<PlanetIndex> planet;  ///< none for the ascendant
  qsizetype line = 0;
  qsizetype start = 0;   ///< where the item begins in its line, in UTF-16 units
  qsizetype length = 0;  ///< in UTF-16 units
  bool operator==(const TextItem&) const = default;
};

/// A text laid out on one device: its lines, the box they stay inside and the font chosen so
/// that they do, all in the device's units.
struct PlacedText {
  TextRole role = TextRole::SignBox;
  QStringList lines;  ///< one below the other, from the top of the box (one for most texts)
  QRectF box;
  QFont font;  ///< sized in the device's pixels
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
  std::vector<TextItem> items{};  ///< a sign box's items, in the box's order; none elsewhere
};

/// The Qt colour of an RGB triple.
inline QColor ToQColor(Rgb colour) {
  return {colour.red, colour.green, colour.blue};
}

/// QString of a UTF-8 text.
inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tarvel
