#include "app/window/rasi_chart_view.h"

#include <QApplication>

#include "argala/rasi_chart_layout.h"
#include "web/about/named.h"

namespace tarvel {
namespace {

constexpr int kCaptionFontPx = 11;
constexpr int kSignNumberFontPx = 9;
// Narrow enough that "27 Lib 31" and "Ma/Mars/Mangala" fit their labels at a readable size.
constexpr int kCaptionStretch = QFont::Condensed;
constexpr int kAreaMarginPx = 3;

QRect ToPixels(const TwipRect& rect) {
  return {TwipsToPx(rect.left), TwipsToPx(rect.top), TwipsToPx(rect.width), TwipsToPx(rect.height)};
}

QLabel* PlacedLabel(const QString& name, const TwipRect& rect, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(ToPixels(rect));
  QFont font = label->font();
  font.setPixelSize(kCaptionFontPx);
  font.setStretch(kCaptionStretch);
  label->setFont(font);
  return label;
}

void SetTextColour(QLabel* label, const Rgb& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
  label->setPalette(palette);
}

void CreateSignBoxes(RasiChartControls& c) {
  for (int sign = 0; sign < kSignCount; ++sign) {
    QLabel* box = PlacedLabel(QString("lblSign_%1").arg(sign), SignBoxRect(sign), c.picDisplay);
    box->setFrameShape(QFrame::Box);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setWordWrap(true);
    box->setMargin(2);
    c.lblSign[static_cast<std::size_t>(sign)] = box;
  }
}

// Created after all the boxes, so each number lies above the box it sits in.
void CreateSignNumbers(RasiChartControls& c) {
  for (int sign = 0; sign < kSignCount; ++sign) {
    const SignNumberLabel& number = kSignNumberLabels[static_cast<std::size_t>(sign)];
    QLabel* label = PlacedLabel(QString("lblSignNo_%1").arg(sign), number.rect, c.picDisplay);
    label->setText(
        QString::fromUtf8(number.caption.data(), static_cast<qsizetype>(number.caption.size())));
    QFont small = label->font();
    small.setPixelSize(kSignNumberFontPx);
    label->setFont(small);
    label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    c.lblSignNo[static_cast<std::size_t>(sign)] = label;
  }
}

void CreatePlanetLabels(RasiChartControls& c, QWidget* area) {
  for (int planet = 0; planet < kPlanetCount; ++planet) {
    const auto index = static_cast<std::size_t>(planet);
    c.lblPlanet[index] =
        PlacedLabel(QString("lblPlanet_%1").arg(planet), LegendLabelRect(planet), c.picDisplay);
    SetTextColour(c.lblPlanet[index], kLegendColour);
    c.lblPlanets_Name[index] =
        PlacedLabel(QString("lblPlanets_Name_%1").arg(planet), PlanetNameLabelRect(planet), area);
    SetTextColour(c.lblPlanets_Name[index], kPlanetNameColour);
    c.lblPlanets_Position[index] = PlacedLabel(QString("lblPlanets_Position_%1").arg(planet),
                                               PlanetPositionLabelRect(planet), area);
    SetTextColour(c.lblPlanets_Position[index], kPlanetPositionColour);
  }
}

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

// The chart and the list, with a small margin right of and below the square.
QSize RasiChartAreaSize() {
  const QRect chart = ToPixels(kChartPicture);
  return {chart.right() + 1 + kAreaMarginPx, chart.bottom() + 1 + kAreaMarginPx};
}

}  // namespace

RasiChartControls BuildRasiChart(QWidget* area) {
  RasiChartControls controls;
  controls.picDisplay = Named(new QFrame(area), "picDisplay");
  controls.picDisplay->setGeometry(ToPixels(kChartPicture));
  // The system's window colours, not the result view's own.
  QPalette system = controls.picDisplay->palette();
  for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText}) {
    system.setColor(role, QApplication::palette().color(role));
  }
  controls.picDisplay->setPalette(system);
  controls.picDisplay->setAutoFillBackground(true);
  CreateSignBoxes(controls);
  CreateSignNumbers(controls);
  CreatePlanetLabels(controls, area);
  area->setFixedSize(RasiChartAreaSize());
  return controls;
}

void ShowChartCaptions(const ChartCaptions& captions, const RasiChartControls& controls) {
  for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
    controls.lblPlanets_Name[planet]->setText(FromUtf8(captions.lblPlanets_Name[planet]));
    controls.lblPlanets_Position[planet]->setText(FromUtf8(captions.lblPlanets_Position[planet]));
    controls.lblPlanet[planet]->setText(FromUtf8(captions.lblPlanet[planet]));
  }
  for (std::size_t sign = 0; sign < kSignCount; ++sign) {
    controls.lblSign[sign]->setText(FromUtf8(captions.lblSign[sign]));
  }
}

}  // namespace tarvel
