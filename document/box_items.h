#pragma once

// Inline: the export module draws sign boxes with no compiled code of the document.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/planets.h"
#include "document/line_layout.h"

namespace tarvel {

/// Marks the ascendant's sign box.
inline constexpr std::string_view kAscendantMarker = "Asc";
/// Separates the items of a sign box on one line.
inline constexpr std::string_view kSignItemSeparator = " / ";
/// Follows a planet moving backward.
inline constexpr std::string_view kRetrogradeMark = "(R)";
/// Ends a line of a sign box that more lines follow, so that the lines joined by spaces give
/// the box's one line back.
inline constexpr std::string_view kSignLineEnd = " /";

/// One item of a sign box: the ascendant or a planet, as the box shows it.
struct BoxItem {
  std::optional<PlanetIndex> planet{};  ///< none for the ascendant
  std::string_view label{};             ///< "Asc" or the planet's abbreviation, e.g. "Me"
  /// Degrees and minutes within the sign, e.g. "20°15'"; empty when not shown.
  std::string degrees{};
  bool retrograde = false;  ///< "(R)" follows the item
  bool operator==(const BoxItem&) const = default;
};

/// What a sign box holds: "Asc" first where the ascendant stands, then the planets in it in
/// planet-index order; empty for an empty sign.
using BoxItems = std::vector<BoxItem>;

/// An item's text: its label, then its degrees and "(R)" where shown, e.g. "Me 20°15' (R)".
inline std::string BoxItemText(const BoxItem& item) {
  std::string text(item.label);
  if (!item.degrees.empty()) text.append(" ").append(item.degrees);
  if (item.retrograde) text.append(" ").append(kRetrogradeMark);
  return text;
}

/// Calls `piece(text, item)` for each piece of the line holding `line`'s items, in order: each
/// item's text with its index, " / " between them and, where more lines follow, " /" after the
/// last, the two with no index.
template <typename Piece>
void ForEachPieceOfLine(const BoxItems& items, LineSpan line, Piece piece) {
  for (std::size_t i = line.first; i < line.end; ++i) {
    if (i > line.first) piece(kSignItemSeparator, std::optional<std::size_t>());
    piece(std::string_view(BoxItemText(items[i])), std::optional<std::size_t>(i));
  }
  if (line.end < items.size()) piece(kSignLineEnd, std::optional<std::size_t>());
}

/// The text of the line holding `line`'s items (see ForEachPieceOfLine), e.g. "Asc / S /".
inline std::string BoxLineText(const BoxItems& items, LineSpan line) {
  std::string text;
  ForEachPieceOfLine(items, line, [&](std::string_view piece, auto) { text.append(piece); });
  return text;
}

/// A sign box as one line of text, e.g. "Asc / S / Me"; empty for an empty box.
inline std::string BoxText(const BoxItems& items) {
  return BoxLineText(items, {0, items.size()});
}

/// A sign box's items in lines, as many on each as `fits(text)` allows for the line's text.
template <typename Fits>
std::vector<LineSpan> WrapBoxItems(const BoxItems& items, Fits fits) {
  return FillLines(items.size(), [&](LineSpan line) { return fits(BoxLineText(items, line)); });
}

}  // namespace tarvel
