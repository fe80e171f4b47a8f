#include "app/window/rasi_chart_view.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
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

QSize NaturalSize(double zoom) {
  return {static_cast<int>(std::ceil(TwipsToPx(kChartCardWidthTwips) * zoom)),
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
  // The height is the room the view offers; the width follows from it.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  qApp->installEventFilter(this);
  LayOut();
}

void RasiChartView::ShowCaptions(const ChartCaptions& captions) {
  captions_ = captions;
  setAccessibleDescription(Description(captions));
  LayOut();
  update();
}

void RasiChartView::ShowNotes(const std::array<std::vector<std::string>, kSignCount>& notes) {
  for (int sign = 0; sign < kSignCount; ++sign) {
    QStringList lines;
    for (const std::string& line : notes[sign]) lines << FromUtf8(line);
    notes_[sign] = lines.join('\n');
  }
}

QString RasiChartView::NoteAt(QPointF point) const {
  for (int sign = 0; sign < kSignCount; ++sign) {
    if (layout_.signBoxes[sign].contains(point)) return notes_[sign];
  }
  return {};
}

bool RasiChartView::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      ShowNoteFor(*static_cast<QHelpEvent*>(event));
      return true;
    case QEvent::PaletteChange:
      FollowSystemPalette();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

// The view stands in the result view's own palette, which may hide a new desktop palette
// from it; the application itself always hears of one.
bool RasiChartView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) FollowSystemPalette();
  return QWidget::eventFilter(watched, event);
}

// A new desktop palette gives the square new colours while the window is open.
void RasiChartView::FollowSystemPalette() {
  palette_ = SystemPalette();
  update();
}

void RasiChartView::ShowNoteFor(QHelpEvent& help) {
  const QString note = NoteAt(help.pos());
  if (note.isEmpty()) {
    QToolTip::hideText();
    help.ignore();
    return;
  }
  QToolTip::showText(help.globalPos(), note, this);
}

QSize RasiChartView::sizeHint() const {
  return NaturalSize(preferredZoom_);
}

QSize RasiChartView::minimumSizeHint() const {
  return NaturalSize(1);
}

void RasiChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintChartCard(painter, layout_, palette_);
}

void RasiChartView::resizeEvent(QResizeEvent*) {
  const double byHeight = std::max(1.0, static_cast<double>(height()) / NaturalSize(1).height());
  if (byHeight != preferredZoom_) {
    preferredZoom_ = byHeight;
    updateGeometry();
  }
  LayOut();
}

// As large as the view allows in the card's own shape, from the top left corner.
void RasiChartView::LayOut() {
  const QSize natural = NaturalSize(1);
  const double zoom = std::max(1.0, std::min(static_cast<double>(width()) / natural.width(),
                                             static_cast<double>(height()) / natural.height()));
  layout_ =
      LayOutChartCard(captions_, {0, 0}, kWindowPxPerTwip * zoom, this, CondensedFont(font()));
}

}  // namespace tarvel
