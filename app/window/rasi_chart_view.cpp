#include "app/window/rasi_chart_view.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "export/chart_painter.h"

namespace tarvel {
namespace {

constexpr double kWindowPxPerTwip = 1.0 / 15;

Rgb ToRgb(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

// The square keeps the system's window colours, not the result view's dark ones, so the
// legend's dark red stays readable; the list stands on the view's own ground.
ChartPalette SystemPalette() {
  const QPalette system = QApplication::palette();
  return ScreenPalette(ToRgb(system.color(QPalette::Window)),
                       ToRgb(system.color(QPalette::WindowText)));
}

// Whole logical pixels of a length in twips, at the usual 15 twips to the pixel.
constexpr int TwipsToPx(int twips) {
  return twips / 15;
}

QSize NaturalSize(double zoom, ChartStyle style) {
  return {static_cast<int>(std::ceil(TwipsToPx(ChartCardWidthTwips(style)) * zoom)),
          static_cast<int>(std::ceil(TwipsToPx(kChartCardHeightTwips) * zoom))};
}

// "1 Ari: Asc / S" for each sign that holds something, then "Sun 27 Lib 36" for each planet.
QString Description(const ChartCaptions& captions) {
  QStringList parts;
  for (int sign = 0; sign < kSignCount; ++sign) {
    if (captions.lblSign[sign].empty()) continue;
    parts << QString("%1 %2: %3")
                 .arg(sign + 1)
                 .arg(FromUtf8(SignAbbrev(sign)), FromUtf8(captions.lblSign[sign]));
  }
  for (int planet = 0; planet < kPlanetCount; ++planet) {
    parts << FromUtf8(captions.lblPlanets_Name[planet]) + " " +
                 FromUtf8(captions.lblPlanets_Position[planet]);
  }
  return parts.join("; ");
}

}  // namespace

RasiChartView::RasiChartView(QWidget* parent) : QWidget(parent), palette_(SystemPalette()) {
  setObjectName("picDisplay");
  setAccessibleName("Rasi chart");
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  LayOut();
}

void RasiChartView::ShowCaptions(const ChartCaptions& captions, const ChartFace& face) {
  captions_ = captions;
  const bool resized = face.style != face_.style;
  face_ = face;
  if (resized) updateGeometry();
  setAccessibleDescription(Description(captions));
  LayOut();
  update();
}

void RasiChartView::SetPreferredZoom(double zoom) {
  zoom = std::max(zoom, 1.0);
  if (zoom == preferredZoom_) return;
  preferredZoom_ = zoom;
  updateGeometry();
}

QSize RasiChartView::sizeHint() const {
  return NaturalSize(preferredZoom_, face_.style);
}

QSize RasiChartView::minimumSizeHint() const {
  return NaturalSize(1, face_.style);
}

void RasiChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintChartCard(painter, layout_, palette_);
}

void RasiChartView::resizeEvent(QResizeEvent*) {
  LayOut();
}

// As large as the view allows in the card's own shape, from the top left corner.
void RasiChartView::LayOut() {
  const QSize natural = NaturalSize(1, face_.style);
  const double zoom = std::max(1.0, std::min(static_cast<double>(width()) / natural.width(),
                                             static_cast<double>(height()) / natural.height()));
  layout_ = LayOutChartCard(captions_, {0, 0}, kWindowPxPerTwip * zoom, this, CondensedFont(font()),
                            face_);
}

}  // namespace tarvel
