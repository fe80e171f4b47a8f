#pragma once

#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <array>
#include <vector>

#include "document/chart_captions.h"
#include "export/picture_geometry.h"
#include "export/placed_text.h"

class QPaintDevice;

namespace tarvel {

/// Preferred text sizes in twips (15 to the window's pixel): captions 11 pixels, sign
/// numbers 9, as the window has always shown them where they fit.
inline constexpr int kCaptionTwips = 165;
inline constexpr int kSignNumberTwips = 135;

/// The rows of the list's columns right of the square: the nine grahas and the ascendant.
inline constexpr std::size_t kListRowCount = kPlanetCount + 1;

/// The chart card laid out on one device. Every text has a font that keeps it inside its
/// box; the boxes are the form's, scaled.
struct ChartCardLayout {
  QRectF area;     ///< the whole card
  QRectF square;   ///< the chart picture
  ChartFace face;  ///< the style drawn, and the sign of the first house
  /// By sign number: the box, or where a sign's cell is a triangle or a diamond, the rectangle
  /// around it.
  std::array<QRectF, kSignCount> signBoxes;
  std::array<QPolygonF, kSignCount> signShapes;  ///< by sign number: the box or cell itself
  /// The North and East Indian frame's inner lines; the outer frame is the square's edge.
  std::vector<QLineF> frameLines;
  /// The framed ground under a legend outside the square; empty where the square holds it.
  QRectF legendGround;
  std::array<PlacedText, kSignCount> signTexts;  ///< by sign number; wrapped into lines
  std::array<PlacedText, kSignCount> signNumbers;
  std::array<PlacedText, kPlanetCount> legend;
  std::array<PlacedText, kPlanetCount> names;
  std::array<PlacedText, kPlanetCount> positions;
  PlacedText ascendantName;      ///< the position list's last line; no lines when not shown
  PlacedText ascendantPosition;  ///< the ascendant's position; no lines when not shown
  /// The list's columns right of the square, by row: the nine grahas, then the ascendant;
  /// none of them has lines when the captions know no nakshatras.
  std::array<PlacedText, kListRowCount> rowLabels;   ///< "S", "Mo" ... "Asc"
  std::array<PlacedText, kListRowCount> vargaSigns;  ///< under the labels; none in the Rasi chart
  std::array<PlacedText, kListRowCount> nakshatras;  ///< e.g. "Uttara Ashadha"
  std::array<PlacedText, kListRowCount> padas;       ///< e.g. "pada 1, lord Sun"
  PlacedText vargaHeading;                           ///< e.g. "D9"; no lines in the Rasi chart
  PlacedText nakshatraHeading;                       ///< "Nakshatra" or "Rasi nakshatra"
  double pxPerTwip = 0;                              ///< device units to a twip
};

/// Lays out the card with its top left corner at `origin`, `pxPerTwip` device units to a
/// twip, measuring the texts on `device`, its square drawn as `face` says. `base` gives the
/// family and the width of the letters; sizes are chosen here.
ChartCardLayout LayOutChartCard(const ChartCaptions& captions, QPointF origin, double pxPerTwip,
                                const QPaintDevice* device, const QFont& base,
                                const ChartFace& face = {});

/// `base` with narrow letters, which give the window's small boxes a readable size. Files keep
/// the normal width: an SVG cannot ask for the narrow face, so a viewer would draw it wider.
QFont CondensedFont(const QFont& base);

/// Calls `visit` with every text of the card.
template <typename Visit>
void ForEachText(const ChartCardLayout& card, Visit visit) {
  for (const auto* group : {&card.signTexts, &card.signNumbers}) {
    for (const PlacedText& text : *group) visit(text);
  }
  for (const auto* group : {&card.legend, &card.names, &card.positions}) {
    for (const PlacedText& text : *group) visit(text);
  }
  for (const PlacedText* text :
       {&card.ascendantName, &card.ascendantPosition, &card.vargaHeading, &card.nakshatraHeading}) {
    if (!text->lines.isEmpty()) visit(*text);
  }
  for (const auto* group : {&card.rowLabels, &card.vargaSigns, &card.nakshatras, &card.padas}) {
    for (const PlacedText& text : *group) {
      if (!text.lines.isEmpty()) visit(text);
    }
  }
}

}  // namespace tarvel
