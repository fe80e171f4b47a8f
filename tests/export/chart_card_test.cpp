#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <vector>

#include "export/caption_fit.h"
#include "export/chart_card_layout.h"
#include "export/chart_painter.h"
#include "export/header_layout.h"
#include "export_test_support.h"
#include "fit_checks.h"

namespace tarvel::testing {
namespace {

// The window's scale: 15 twips to the pixel.
constexpr double kWindowPxPerTwip = 1.0 / 15;

std::vector<ChartCaptions> TestedCaptions() {
  std::vector<ChartCaptions> captions;
  for (int sign = 0; sign < kSignCount; ++sign) captions.push_back(FullestCaptions(sign));
  for (const ChartState& state : {AshaState(), LongestReadingState()}) {
    captions.push_back(BuildChartCaptions(state.Chart.signs, state.Chart.positions.grahaDeg));
  }
  ChartState state = AshaState();  // with the list's nakshatras and a varga's signs
  SetVarga(state.Chart, Varga::D60);
  captions.push_back(MakeChartDocument(state, {true, true}).captions);
  return captions;
}

QImage Device(double zoom, double pixelRatio) {
  const QSize size(static_cast<int>(std::ceil(kChartCardWidthTwips * kWindowPxPerTwip * zoom)),
                   static_cast<int>(std::ceil(kChartCardHeightTwips * kWindowPxPerTwip * zoom)));
  QImage image(size * pixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(pixelRatio);
  return image;
}

// The form's twips at 15 to the pixel, as the window has always placed them.
TEST(ChartCardTest, AtTheWindowsScaleEveryBoxStandsWhereTheFormPutsIt) {
  const QImage device = Device(1, 1);
  const ChartCardLayout card = LayOutChartCard(FullestCaptions(0), {0, 0}, kWindowPxPerTwip,
                                               &device, QGuiApplication::font());
  EXPECT_EQ(card.area, QRectF(0, 0, 475, 286));  // 7,125 twips: the list's columns add 1,800
  EXPECT_EQ(card.square, QRectF(72, 3, 280, 280));
  EXPECT_EQ(card.signBoxes[0], QRectF(142, 3, 70, 70));   // Aries, column 1 row 0
  EXPECT_EQ(card.signBoxes[3], QRectF(282, 73, 70, 70));  // Cancer, column 3 row 1
  EXPECT_EQ(card.signBoxes[8], QRectF(72, 213, 70, 70));  // Sagittarius, bottom left
  EXPECT_EQ(card.signBoxes[11], QRectF(72, 3, 70, 70));   // Pisces, top left
  EXPECT_EQ(card.signNumbers[0].box, QRectF(200, 51, 9, 14));
  EXPECT_EQ(card.signNumbers[9].box, QRectF(120, 195, 18, 14));
  EXPECT_EQ(card.legend[0].box, QRectF(162, 75, 102, 13));
  EXPECT_EQ(card.names[2].box, QRectF(8, 52, 53, 13));
  EXPECT_EQ(card.positions[2].box, QRectF(8, 65, 44, 13));
}

TEST(ChartCardTest, TextsAreTheCaptions) {
  const QImage device = Device(1, 1);
  for (const ChartCaptions& captions : TestedCaptions()) {
    const ChartCardLayout card =
        LayOutChartCard(captions, {0, 0}, kWindowPxPerTwip, &device, QGuiApplication::font());
    for (int sign = 0; sign < kSignCount; ++sign) {
      EXPECT_EQ(card.signTexts[sign].lines.join(' ').toStdString(), captions.lblSign[sign]);
      EXPECT_EQ(card.signNumbers[sign].lines, QStringList{QString::number(sign + 1)});
    }
    for (int planet = 0; planet < kPlanetCount; ++planet) {
      EXPECT_EQ(card.legend[planet].lines.join("").toStdString(), captions.lblPlanet[planet]);
      EXPECT_EQ(card.names[planet].lines.join("").toStdString(), captions.lblPlanets_Name[planet]);
      EXPECT_EQ(card.positions[planet].lines.join("").toStdString(),
                captions.planetRows[planet].position);
    }
  }
}

struct Scale {
  double zoom;
  double pixelRatio;
};

void ExpectCardFits(const ChartCardLayout& card, const QPaintDevice* device) {
  ForEachText(card, [&](const PlacedText& text) { ExpectFits(text, device); });
  for (int sign = 0; sign < kSignCount; ++sign) {
    ExpectInside(card.signTexts[sign], card.signBoxes[sign]);
    ExpectInside(card.signNumbers[sign], card.signBoxes[sign]);
    EXPECT_FALSE(card.signTexts[sign].box.intersects(card.signNumbers[sign].box));
  }
}

constexpr Scale kScales[] = {{1, 1}, {1.5, 1}, {2, 1}, {1, 1.5}, {1, 2}, {0.5, 1}, {3.7, 1}};

// No caption is cut off: at the window's size, enlarged, and on screens of 1.5 and 2 device
// pixels to the pixel, each text fits its box in the font chosen for it, even the fullest
// sign box and the widest position of every sign.
TEST(ChartCardTest, EveryCaptionFitsItsBoxAtEveryScale) {
  const QFont normal = QGuiApplication::font();
  for (const Scale& scale : kScales) {
    const QImage device = Device(scale.zoom, scale.pixelRatio);
    for (const QFont& base : {normal, CondensedFont(normal)}) {
      for (const ChartCaptions& captions : TestedCaptions()) {
        const ChartCardLayout card =
            LayOutChartCard(captions, {0, 0}, kWindowPxPerTwip * scale.zoom, &device, base);
        SCOPED_TRACE(::testing::Message()
                     << "zoom " << scale.zoom << " ratio " << scale.pixelRatio << " stretch "
                     << base.stretch() << " first box " << captions.lblSign[0]);
        ExpectCardFits(card, &device);
      }
    }
  }
}

// At the window's own size, in its narrow letters, the captions keep the size they always
// had where that fits: the legend and the names 11 pixels. A position may need a little less
// to fit its 44 pixels.
TEST(ChartCardTest, AtTheWindowsSizeTheListKeepsAReadableSize) {
  const QImage device = Device(1, 1);
  const ChartCardLayout card = LayOutChartCard(FullestCaptions(2), {0, 0}, kWindowPxPerTwip,
                                               &device, CondensedFont(QGuiApplication::font()));
  EXPECT_EQ(card.legend[0].font.pixelSize(), 11);
  EXPECT_EQ(card.names[0].font.pixelSize(), 11);
  EXPECT_GE(card.positions[0].font.pixelSize(), 9);
  EXPECT_EQ(card.positions[0].lines[0], "29 Gem 59");
}

// Drawn text stays where the layout put it: with the ground, the square and the lines all
// white and every text red, no red pixel lies outside a text's box (one pixel of slack for
// smoothing).
TEST(ChartCardTest, DrawnTextStaysInItsBoxes) {
  ChartPalette redOnWhite = kPrintPalette;
  redOnWhite.text.fill({255, 0, 0});
  redOnWhite.squareGround = redOnWhite.ground = redOnWhite.boxLines = {255, 255, 255};
  const QFont font = CondensedFont(QGuiApplication::font());
  for (const double zoom : {1.0, 1.5, 2.0}) {
    QImage image = Device(zoom, 1);
    image.fill(Qt::white);
    const ChartCardLayout card =
        LayOutChartCard(FullestCaptions(2), {0, 0}, kWindowPxPerTwip * zoom, &image, font);
    QPainter painter(&image);
    PaintChartCard(painter, card, redOnWhite);
    painter.end();
    std::vector<QRectF> boxes;
    ForEachText(card,
                [&](const PlacedText& text) { boxes.push_back(text.box.adjusted(-1, -1, 1, 1)); });
    int stray = 0;
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor colour = image.pixelColor(x, y);
        if (colour.green() > 200) continue;  // white or nearly
        ++inked;
        const QPointF centre(x + 0.5, y + 0.5);
        const bool inBox = std::any_of(boxes.begin(), boxes.end(),
                                       [&](const QRectF& box) { return box.contains(centre); });
        if (!inBox) ++stray;
      }
    }
    EXPECT_GT(inked, 500) << "zoom " << zoom;
    EXPECT_EQ(stray, 0) << "zoom " << zoom;
  }
}

TEST(CaptionFitTest, TheChosenSizeIsTheLargestThatFits) {
  const QImage device = Device(1, 1);
  const QString text = "29 Gem 59";
  for (const double width : {20.0, 44.0, 60.0, 300.0}) {
    const auto need = [&](const QFontMetricsF& metrics) {
      return metrics.horizontalAdvance(text) / width;
    };
    const auto fits = [&](const QFontMetricsF& metrics) { return need(metrics) <= 1; };
    const QFont font = FittedFont(QGuiApplication::font(), 40, &device, need);
    const int size = font.pixelSize();
    EXPECT_TRUE(size == 1 || fits(QFontMetricsF(font, &device))) << width;
    if (size < 40) {
      QFont larger = font;
      larger.setPixelSize(size + 1);
      EXPECT_FALSE(fits(QFontMetricsF(larger, &device))) << width;
    }
  }
}

TEST(CaptionFitTest, SignItemsWrapBetweenItems) {
  const QImage device = Device(1, 1);
  QFont font = QGuiApplication::font();
  font.setPixelSize(11);
  const QFontMetricsF metrics(font, &device);
  const BoxItems fullest = FullestCaptions(0).signItems[0];
  const QStringList labels = {"Asc", "S", "Mo", "Me", "V", "Ma", "J", "Sa", "NN", "SN"};
  for (const double width : {20.0, 40.0, 66.0, 120.0, 1000.0}) {
    const WrappedItems wrapped = WrapSignItems(fullest, metrics, width);
    const QStringList& lines = wrapped.lines;
    EXPECT_EQ(lines.join(' '), labels.join(" / ")) << width;
    for (qsizetype line = 0; line < lines.size(); ++line) {
      // An item alone may be wider than a very narrow box; two never are.
      if (lines[line].count(" / ") > 0) {
        EXPECT_LE(metrics.horizontalAdvance(lines[line]), width);
      }
      EXPECT_EQ(lines[line].endsWith(" /"), line + 1 < lines.size()) << width;
    }
    // Each item is found where its text stands, the ascendant first, then the planets.
    ASSERT_EQ(wrapped.items.size(), 10u) << width;
    for (std::size_t i = 0; i < wrapped.items.size(); ++i) {
      const TextItem& item = wrapped.items[i];
      EXPECT_EQ(lines[item.line].mid(item.start, item.length), labels[static_cast<qsizetype>(i)]);
      const auto planet = i == 0 ? std::nullopt : std::optional(static_cast<PlanetIndex>(i - 1));
      EXPECT_EQ(item.planet, planet) << i;
    }
  }
  EXPECT_TRUE(WrapSignItems({}, metrics, 66).lines.isEmpty());
}

// A long name breaks between words and keeps a larger type than one line would allow.
TEST(CaptionFitTest, ALongTitleWrapsInsteadOfShrinking) {
  const QImage device = Device(1, 1);
  ChartHeader header;
  header.title = "Venkata Lakshmi Narasimha Subrahmanya Sastry Ramakrishnan Iyer";
  const double width = 400;
  const double pxPerTwip = 1.0 / 15;  // 96 pixels to the inch
  const PlacedText title =
      LayOutHeader(header, {0, 0}, width, pxPerTwip, &device, QGuiApplication::font()).at(0);
  EXPECT_GE(title.lines.size(), 2);
  EXPECT_EQ(title.lines.join(' ').toStdString(), header.title);
  ExpectFits(title, &device);
  QFont oneLine = title.font;
  // 320 twips are the title's own size: 21 pixels at this scale.
  oneLine = FittedFont(oneLine, 21, &device, [&](const QFontMetricsF& m) {
    return m.horizontalAdvance(title.lines.join(' ')) / width;
  });
  EXPECT_GT(title.font.pixelSize(), oneLine.pixelSize());
}

}  // namespace
}  // namespace tarvel::testing
