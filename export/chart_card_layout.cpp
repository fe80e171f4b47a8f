#include "export/chart_card_layout.h"

#include <cmath>
#include <functional>
#include <vector>

#include "document/nakshatra_text.h"
#include "export/caption_fit.h"

namespace tarvel {
namespace {

// The sign boxes' old label margin: two window pixels.
constexpr int kSignTextInsetTwips = 30;
// The margin of the legend's own ground around its lines.
constexpr int kLegendMarginTwips = 90;

QRectF Scaled(const TwipRect& rect, QPointF origin, double pxPerTwip) {
  return {origin.x() + rect.left * pxPerTwip, origin.y() + rect.top * pxPerTwip,
          rect.width * pxPerTwip, rect.height * pxPerTwip};
}

int PreferredPx(int twips, double pxPerTwip) {
  return std::max(1, static_cast<int>(std::floor(twips * pxPerTwip + 1e-6)));
}

QFont CaptionBase(const QFont& base) {
  QFont font = base;
  font.setBold(false);
  font.setItalic(false);
  font.setUnderline(false);
  return font;
}

struct BoxedText {
  QString text;
  QSizeF box;
};

// One font for a group of one-line texts, each inside its own box.
QFont FitOneLiners(const QFont& base, int preferredPx, const QPaintDevice* device,
                   const std::vector<BoxedText>& texts) {
  return FittedFont(base, preferredPx, device, [&texts](const QFontMetricsF& metrics) {
    double need = 0;
    for (const BoxedText& text : texts) {
      need = std::max(need, LinesNeed(metrics, {text.text}, text.box));
    }
    return need;
  });
}

PlacedText OneLiner(TextRole role, const QString& text, const QRectF& box, const QFont& font,
                    Qt::Alignment alignment) {
  return {role, {text}, box, font, alignment};
}

// Every planet's text of one column: names, positions or the legend, each in the box `rect`
// gives it.
template <typename RectOf>
std::array<PlacedText, kPlanetCount> PlanetColumn(
    TextRole role, const std::array<std::string, kPlanetCount>& captions, RectOf rectOf,
    QPointF origin, double pxPerTwip, const QPaintDevice* device, const QFont& base,
    const std::vector<QString>& samples) {
  const QSizeF box = Scaled(rectOf(0), origin, pxPerTwip).size();
  std::vector<BoxedText> measured;
  for (const std::string& caption : captions) measured.push_back({FromUtf8(caption), box});
  for (const QString& sample : samples) measured.push_back({sample, box});
  const QFont font = FitOneLiners(base, PreferredPx(kCaptionTwips, pxPerTwip), device, measured);
  std::array<PlacedText, kPlanetCount> column;
  for (int planet = 0; planet < kPlanetCount; ++planet) {
    column[planet] =
        OneLiner(role, measured[planet].text, Scaled(rectOf(planet), origin, pxPerTwip), font,
                 Qt::AlignLeft | Qt::AlignVCenter);
  }
  return column;
}

// The positions in the sky, without a varga's signs: those stand in a column of their own.
std::array<std::string, kPlanetCount> PlanetPositions(const ChartCaptions& captions) {
  std::array<std::string, kPlanetCount> positions;
  for (int p = 0; p < kPlanetCount; ++p) positions[p] = captions.planetRows[p].position;
  return positions;
}

// A position in every sign with two-figure degrees and minutes, so that the column's size
// does not change with the signs a chart happens to use.
std::vector<QString> PositionSamples() {
  std::vector<QString> samples;
  for (int sign = 0; sign < kSignCount; ++sign) {
    samples.push_back("00 " + FromUtf8(SignAbbrev(sign)) + " 00");
  }
  return samples;
}

// The samples a column's font must fit, with the ascendant's text where it is shown.
std::vector<QString> AscendantSample(const std::string& text, std::vector<QString> samples) {
  if (!text.empty()) samples.push_back(FromUtf8(text));
  return samples;
}

// The ascendant's line below the planets', in the fonts of their columns.
void PlaceAscendantLine(const ChartCaptions& captions, ChartCardLayout& card, QPointF origin) {
  const double pxPerTwip = card.pxPerTwip;
  card.ascendantName = OneLiner(TextRole::PlanetName, FromUtf8(captions.ascendantName),
                                Scaled(PlanetNameLabelRect(kPlanetCount), origin, pxPerTwip),
                                card.names[0].font, Qt::AlignLeft | Qt::AlignVCenter);
  card.ascendantPosition =
      OneLiner(TextRole::PlanetPosition, FromUtf8(captions.ascendantRow.position),
               Scaled(PlanetPositionLabelRect(kPlanetCount), origin, pxPerTwip),
               card.positions[0].font, Qt::AlignLeft | Qt::AlignVCenter);
}

// A column of the list right of the square: its left edge from the columns' start, its width.
struct ListColumn {
  int leftTwips;
  int widthTwips;
};
constexpr ListColumn kBodyColumn{0, kListBodyTwips};
constexpr ListColumn kNakshatraColumn{kListBodyTwips, kListNakshatraTwips};

// Line 0 of the columns holds the headings; each body then takes two lines, as in the list
// left of the square.
TwipRect ListLineRect(ChartStyle style, ListColumn column, int line) {
  const int start =
      kChartPicture.left + kChartPicture.width + LegendColumnTwips(style) + kListGapTwips;
  return {start + column.leftTwips, line * kLabelHeight, column.widthTwips, kLabelHeight};
}

using ListTexts = std::array<QString, kListRowCount>;

// Each row's text of one column on its first (`line` 1) or second (2) line.
std::array<PlacedText, kListRowCount> ListColumnTexts(TextRole role, const ListTexts& texts,
                                                      ListColumn column, int line,
                                                      const ChartCardLayout& card, QPointF origin,
                                                      const QFont& font) {
  std::array<PlacedText, kListRowCount> placed;
  for (std::size_t row = 0; row < kListRowCount; ++row) {
    const TwipRect rect = ListLineRect(card.face.style, column, static_cast<int>(2 * row) + line);
    placed[row] = OneLiner(role, texts[row], Scaled(rect, origin, card.pxPerTwip), font,
                           Qt::AlignLeft | Qt::AlignVCenter);
  }
  return placed;
}

template <typename Text>
ListTexts RowTexts(const ChartCaptions& captions, Text text) {
  ListTexts texts;
  for (int p = 0; p < kPlanetCount; ++p) {
    texts[p] = FromUtf8(std::invoke(text, captions.planetRows[p]));
  }
  texts[kPlanetCount] = FromUtf8(std::invoke(text, captions.ascendantRow));
  return texts;
}

// One font for the nakshatra column, wide enough for every nakshatra and every lord, so that
// its size does not change with the chart.
QFont NakshatraFont(const ChartCaptions& captions, const ChartCardLayout& card,
                    const QPaintDevice* device, const QFont& base) {
  const QSizeF box = QSizeF(kListNakshatraTwips, kLabelHeight) * card.pxPerTwip;
  std::vector<BoxedText> samples = {{FromUtf8(captions.nakshatraHeading), box}};
  for (const std::string_view name : kNakshatraNames) samples.push_back({FromUtf8(name), box});
  for (int p = 0; p < kPlanetCount; ++p) {
    samples.push_back({FromUtf8(PadaAndLordText(4, kPlanetNames[p])), box});
  }
  return FitOneLiners(base, PreferredPx(kCaptionTwips, card.pxPerTwip), device, samples);
}

QFont LabelFont(const ChartCardLayout& card, const QPaintDevice* device, const QFont& base) {
  const QSizeF box = QSizeF(kListBodyTwips, kLabelHeight) * card.pxPerTwip;
  std::vector<BoxedText> samples = {{FromUtf8(kAscendantMarker), box}};
  for (const std::string_view label : kPlanetAbbrevs) samples.push_back({FromUtf8(label), box});
  return FitOneLiners(base, PreferredPx(kCaptionTwips, card.pxPerTwip), device, samples);
}

// Right of the square: each body's abbreviation over its sign in the varga shown, in the
// positions' own size, then its nakshatra over its pada and lord, under their headings.
void PlaceListColumns(const ChartCaptions& captions, ChartCardLayout& card, QPointF origin,
                      const QPaintDevice* device, const QFont& base) {
  const double scale = card.pxPerTwip;
  const QFont nakshatraFont = NakshatraFont(captions, card, device, base);
  const QFont vargaFont = card.positions[0].font;
  ListTexts labels;
  for (int p = 0; p < kPlanetCount; ++p) labels[p] = FromUtf8(kPlanetAbbrevs[p]);
  labels[kPlanetCount] = FromUtf8(kAscendantMarker);
  card.rowLabels = ListColumnTexts(TextRole::PlanetName, labels, kBodyColumn, 1, card, origin,
                                   LabelFont(card, device, base));
  card.nakshatras =
      ListColumnTexts(TextRole::PlanetPosition, RowTexts(captions, &ListRow::nakshatra),
                      kNakshatraColumn, 1, card, origin, nakshatraFont);
  card.padas = ListColumnTexts(TextRole::PlanetPosition, RowTexts(captions, &ListRow::padaAndLord),
                               kNakshatraColumn, 2, card, origin, nakshatraFont);
  card.nakshatraHeading =
      OneLiner(TextRole::PlanetName, FromUtf8(captions.nakshatraHeading),
               Scaled(ListLineRect(card.face.style, kNakshatraColumn, 0), origin, scale),
               nakshatraFont, Qt::AlignLeft | Qt::AlignVCenter);
  if (captions.vargaHeading.empty()) return;
  card.vargaSigns =
      ListColumnTexts(TextRole::PlanetPosition, RowTexts(captions, &ListRow::vargaSign),
                      kBodyColumn, 2, card, origin, vargaFont);
  card.vargaHeading = OneLiner(TextRole::PlanetName, FromUtf8(captions.vargaHeading),
                               Scaled(ListLineRect(card.face.style, kBodyColumn, 0), origin, scale),
                               vargaFont, Qt::AlignLeft | Qt::AlignVCenter);
}

QPointF ScaledPoint(TwipPoint point, QPointF origin, double pxPerTwip) {
  return {origin.x() + point.x * pxPerTwip, origin.y() + point.y * pxPerTwip};
}

// A sign box less its margin and the strip from the top of its number down: the number
// stands where the form put it, near the bottom right corner.
QRectF SouthTextArea(const ChartCardLayout& card, int sign) {
  const double inset = kSignTextInsetTwips * card.pxPerTwip;
  const QRectF box = card.signBoxes[sign].adjusted(inset, inset, -inset, -inset);
  const double numberTop = card.square.top() + kSignNumberLabels[sign].rect.top * card.pxPerTwip;
  return box.adjusted(0, 0, 0, std::min(0.0, numberTop - box.bottom()));
}

ChartCell CellOf(const ChartCardLayout& card, int sign) {
  return SignCell(card.face.style, sign, card.face.risingSign);
}

QRectF SignTextArea(const ChartCardLayout& card, int sign) {
  if (card.face.style == ChartStyle::South) return SouthTextArea(card, sign);
  return Scaled(CellOf(card, sign).items, card.square.topLeft(), card.pxPerTwip);
}

// The South Indian number stands in the form's label; the others are centred where their
// cell leaves room, in a label as wide as two figures.
PlacedText SignNumberLabelOf(const ChartCardLayout& card, int sign) {
  const QPointF corner = card.square.topLeft();
  const SignNumberLabel& label = kSignNumberLabels[sign];
  if (card.face.style == ChartStyle::South) {
    return OneLiner(TextRole::SignNumber, FromUtf8(label.caption),
                    Scaled(label.rect, corner, card.pxPerTwip), {},
                    Qt::AlignRight | Qt::AlignBottom);
  }
  const TwipPoint centre = CellOf(card, sign).numberCentre;
  const TwipRect rect{centre.x - kTwoDigitWidth / 2, centre.y - kSignNumberHeight / 2,
                      kTwoDigitWidth, kSignNumberHeight};
  return OneLiner(TextRole::SignNumber, FromUtf8(label.caption),
                  Scaled(rect, corner, card.pxPerTwip), {}, Qt::AlignCenter);
}

void PlaceSignTexts(const ChartCaptions& captions, ChartCardLayout& card,
                    const QPaintDevice* device, const QFont& base) {
  std::array<QRectF, kSignCount> areas;
  for (int sign = 0; sign < kSignCount; ++sign) areas[sign] = SignTextArea(card, sign);
  const auto need = [&](const QFontMetricsF& metrics) {
    double most = 0;
    for (int sign = 0; sign < kSignCount; ++sign) {
      const WrappedItems wrapped =
          WrapSignItems(captions.signItems[sign], metrics, areas[sign].width());
      most = std::max(most, LinesNeed(metrics, wrapped.lines, areas[sign].size()));
    }
    return most;
  };
  const QFont font = FittedFont(base, PreferredPx(kCaptionTwips, card.pxPerTwip), device, need);
  const QFontMetricsF metrics(font, device);
  for (int sign = 0; sign < kSignCount; ++sign) {
    WrappedItems wrapped = WrapSignItems(captions.signItems[sign], metrics, areas[sign].width());
    card.signTexts[sign] = {TextRole::SignBox,
                            std::move(wrapped.lines),
                            areas[sign],
                            font,
                            Qt::AlignLeft | Qt::AlignTop,
                            std::move(wrapped.items)};
  }
}

void PlaceSignNumbers(ChartCardLayout& card, const QPaintDevice* device, const QFont& base) {
  std::vector<BoxedText> numbers;
  for (int sign = 0; sign < kSignCount; ++sign) {
    card.signNumbers[sign] = SignNumberLabelOf(card, sign);
    numbers.push_back({card.signNumbers[sign].lines[0], card.signNumbers[sign].box.size()});
  }
  const QFont font =
      FitOneLiners(base, PreferredPx(kSignNumberTwips, card.pxPerTwip), device, numbers);
  for (PlacedText& number : card.signNumbers) number.font = font;
}

// The boxes of the South Indian square; the cells and inner lines of the others.
void PlaceSignShapes(ChartCardLayout& card) {
  const QPointF corner = card.square.topLeft();
  const double scale = card.pxPerTwip;
  for (int sign = 0; sign < kSignCount; ++sign) {
    if (card.face.style == ChartStyle::South) {
      card.signBoxes[sign] = Scaled(SignBoxRect(sign), corner, scale);
      card.signShapes[sign] = QPolygonF(card.signBoxes[sign]);
      continue;
    }
    const ChartCell cell = CellOf(card, sign);
    for (int at = 0; at < cell.cornerCount; ++at) {
      card.signShapes[sign] << ScaledPoint(cell.outline[at], corner, scale);
    }
    card.signBoxes[sign] = card.signShapes[sign].boundingRect();
  }
  for (const TwipLine& line : FrameLines(card.face.style)) {
    card.frameLines.emplace_back(ScaledPoint(line.from, corner, scale),
                                 ScaledPoint(line.to, corner, scale));
  }
}

}  // namespace

QFont CondensedFont(const QFont& base) {
  QFont font = base;
  font.setStretch(QFont::Condensed);
  return font;
}

ChartCardLayout LayOutChartCard(const ChartCaptions& captions, QPointF origin, double pxPerTwip,
                                const QPaintDevice* device, const QFont& base,
                                const ChartFace& face) {
  ChartCardLayout card;
  card.pxPerTwip = pxPerTwip;
  card.face = face;
  card.area =
      Scaled({0, 0, ChartCardWidthTwips(face.style), kChartCardHeightTwips}, origin, pxPerTwip);
  card.square = Scaled(kChartPicture, origin, pxPerTwip);
  PlaceSignShapes(card);
  const QFont font = CaptionBase(base);
  PlaceSignTexts(captions, card, device, font);
  PlaceSignNumbers(card, device, font);
  const auto legendRect = [&face](int planet) { return StyledLegendRect(face.style, planet); };
  const auto nameRect = [](int planet) { return PlanetNameLabelRect(planet); };
  const auto positionRect = [](int planet) { return PlanetPositionLabelRect(planet); };
  card.legend = PlanetColumn(TextRole::Legend, captions.lblPlanet, legendRect,
                             card.square.topLeft(), pxPerTwip, device, font, {});
  card.names = PlanetColumn(TextRole::PlanetName, captions.lblPlanets_Name, nameRect, origin,
                            pxPerTwip, device, font, AscendantSample(captions.ascendantName, {}));
  card.positions = PlanetColumn(TextRole::PlanetPosition, PlanetPositions(captions), positionRect,
                                origin, pxPerTwip, device, font,
                                AscendantSample(captions.ascendantRow.position, PositionSamples()));
  if (!captions.ascendantName.empty()) PlaceAscendantLine(captions, card, origin);
  if (!captions.nakshatraHeading.empty()) PlaceListColumns(captions, card, origin, device, font);
  if (face.style != ChartStyle::South) {
    const double margin = kLegendMarginTwips * pxPerTwip;
    card.legendGround = card.legend.front()
                            .box.united(card.legend.back().box)
                            .adjusted(-margin, -margin, margin, margin);
  }
  return card;
}

}  // namespace tarvel
