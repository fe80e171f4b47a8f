#include "app/window/rasi_chart_view.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/window/text_wrap.h"
#include "document/box_details.h"
#include "export/chart_painter.h"

namespace tarvel {
namespace {

constexpr double kWindowPxPerTwip = 1.0 / 15;
constexpr double kMostGrowth = 2;

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

// The smallest text size of the captions that stand in the boxes and the list, in pixels.
double SmallestCaptionPx(const ChartCardLayout& card) {
  double smallest = std::numeric_limits<double>::max();
  ForEachText(card, [&smallest](const PlacedText& text) {
    if (text.role != TextRole::SignNumber && text.role != TextRole::Legend) {
      smallest = std::min(smallest, text.font.pixelSize() > 0 ? text.font.pixelSize() : 0.0);
    }
  });
  return smallest;
}

// A body's nakshatra as a screen reader says it, e.g. " in Vishakha, pada 3, lord Jupiter";
// nothing when the captions know none.
QString NakshatraPart(const ListRow& row) {
  if (row.nakshatra.empty()) return {};
  return " in " + FromUtf8(row.nakshatra) + ", " + FromUtf8(row.padaAndLord);
}

// "1 Ari: Asc / S" for each sign that holds something, then "Sun 27 Lib 36" for each planet,
// with its nakshatra, and the ascendant's nakshatra.
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
                 FromUtf8(captions.lblPlanets_Position[planet]) +
                 NakshatraPart(captions.planetRows[planet]);
  }
  const QString ascendant = NakshatraPart(captions.ascendantRow);
  if (!ascendant.isEmpty()) parts << FromUtf8(kAscendantName) + ascendant;
  return parts.join("; ");
}

// The next sign box from `sign` in a direction of the grid, over the legend's cells; the same
// sign at the edge.
int SignInDirection(int sign, int columnStep, int rowStep) {
  GridCell cell = kSignBoxCells[static_cast<std::size_t>(sign)];
  while (true) {
    cell = {cell.column + columnStep, cell.row + rowStep};
    if (cell.column < 0 || cell.row < 0 || cell.column >= kChartGridSize ||
        cell.row >= kChartGridSize) {
      return sign;
    }
    for (int other = 0; other < kSignCount; ++other) {
      if (kSignBoxCells[static_cast<std::size_t>(other)] == cell) return other;
    }
  }
}

}  // namespace

RasiChartView::RasiChartView(QWidget* parent) : QWidget(parent), palette_(SystemPalette()) {
  setObjectName("picDisplay");
  setAccessibleName("Rasi chart");
  // The height is the room the view offers; the width follows from it.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  setFocusPolicy(Qt::StrongFocus);
  qApp->installEventFilter(this);
  LayOut();
}

void RasiChartView::ShowCaptions(const ChartCaptions& captions, const ChartFace& face) {
  captions_ = captions;
  ClearExplanation();
  chart_.reset();
  overlay_ = {};
  const bool resized = face.style != face_.style;
  face_ = face;
  const double least = LeastZoom();
  if (resized || least != leastZoom_) {
    leastZoom_ = least;
    updateGeometry();
  }
  setAccessibleDescription(Description(captions));
  LayOut();
  update();
}

void RasiChartView::ShowNotes(const std::array<std::vector<std::string>, kSignCount>& notes) {
  for (int sign = 0; sign < kSignCount; ++sign) {
    QStringList lines;
    for (const std::string& line : notes[sign]) lines << FromUtf8(line);
    notes_[sign] =
        WrapToWidth(lines.join('\n'), QToolTip::font(), ReadableWidthPx(QToolTip::font()));
  }
}

QString RasiChartView::NoteAt(QPointF point) const {
  const std::optional<int> sign = SignBoxAt(layout_, point);
  return sign ? notes_[static_cast<std::size_t>(*sign)] : QString();
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
  return NaturalSize(preferredZoom_, face_.style);
}

QSize RasiChartView::minimumSizeHint() const {
  return NaturalSize(leastZoom_, face_.style);
}

void RasiChartView::SetTextZoom(double factor) {
  textZoom_ = factor;
  leastZoom_ = LeastZoom();
  updateGeometry();
  LayOut();
  update();
}

// Captions are fitted to their boxes, so a crowded box can shrink its text below the zoom's;
// the chart then grows until the smallest is as large as the window's text. The fitted sizes
// are whole pixels, so a second look catches one that rounding left a pixel short.
double RasiChartView::LeastZoom() const {
  const double windowPx = QFontInfo(font()).pixelSize() * textZoom_;
  double zoom = textZoom_;
  for (int look = 0; look < 3; ++look) {
    const double smallest = SmallestCaptionPx(LayOutChartCard(
        captions_, {0, 0}, kWindowPxPerTwip * zoom, this, CondensedFont(font()), face_));
    if (smallest <= 0 || smallest >= windowPx) break;
    zoom *= std::max(windowPx / smallest, 1.05);
  }
  // A box crowded past reason keeps the chart on the screen rather than its text large.
  return std::min(zoom, kMostGrowth * textZoom_);
}

void RasiChartView::SetExplainedChart(ChartResult chart) {
  chart_ = std::move(chart);
}

void RasiChartView::ShowPeriodArgala(const PeriodArgala& argala) {
  overlay_.explanation.reset();
  overlay_.period = argala.recipients;
  emit explanationChanged(QString::fromStdString(argala.caption));
  update();
}

void RasiChartView::ClearExplanation() {
  if (!overlay_.explanation && overlay_.period.empty()) return;
  overlay_.explanation.reset();
  overlay_.period.clear();
  emit explanationChanged({});
  update();
}

void RasiChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The keyboard's frame shows only while the keys reach the chart.
  ChartOverlay shown = overlay_;
  if (!hasFocus()) shown.cursorSign.reset();
  PaintChartCard(painter, layout_, palette_, &shown);
}

void RasiChartView::mousePressEvent(QMouseEvent* event) {
  const std::optional<int> sign = SignBoxAt(layout_, event->position());
  const std::optional<ArgalaRecipient> recipient =
      sign ? RecipientAt(*sign, event->position()) : std::nullopt;
  if (!recipient) {
    QWidget::mousePressEvent(event);
    return;
  }
  overlay_.cursorSign = sign;
  Toggle(*recipient);
}

void RasiChartView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      return StepCursor(-1, 0);
    case Qt::Key_Right:
      return StepCursor(1, 0);
    case Qt::Key_Up:
      return StepCursor(0, -1);
    case Qt::Key_Down:
      return StepCursor(0, 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      return CycleAtCursor();
    case Qt::Key_Escape:
      if (overlay_.explanation || !overlay_.period.empty()) return ClearExplanation();
      break;
  }
  QWidget::keyPressEvent(event);
}

// A planet's abbreviation selects the planet; the rest of its box, the box's house.
std::optional<ArgalaRecipient> RasiChartView::RecipientAt(int sign, QPointF point) const {
  if (!chart_) return std::nullopt;
  const ChartSigns& signs = chart_->signs;
  const std::optional<int> item =
      SignItemAt(layout_.signTexts[static_cast<std::size_t>(sign)], point, this);
  for (int p = 0; p < kPlanetCount && item; ++p) {
    const auto planet = static_cast<PlanetIndex>(p);
    if (signs.grahas[p] == sign && SignBoxItem(signs, planet) == item) {
      return ArgalaRecipient{ArgalaRecipient::Kind::Planet, p};
    }
  }
  return ArgalaRecipient{ArgalaRecipient::Kind::House, HouseOfSign(signs, sign)};
}

void RasiChartView::Toggle(ArgalaRecipient recipient) {
  if (overlay_.explanation && overlay_.explanation->recipient == recipient) {
    ClearExplanation();
    return;
  }
  overlay_.explanation = ExplainArgala(*chart_, recipient);
  overlay_.period.clear();
  emit explanationChanged(
      overlay_.explanation ? QString::fromStdString(overlay_.explanation->caption) : QString());
  update();
}

void RasiChartView::StepCursor(int columnStep, int rowStep) {
  if (overlay_.cursorSign) {
    overlay_.cursorSign = SignInDirection(*overlay_.cursorSign, columnStep, rowStep);
  } else if (chart_) {
    // The first key puts the frame on the ascendant's box.
    overlay_.cursorSign = HouseSign(chart_->signs, 1);
  }
  update();
}

// Enter on a box selects its house, then each of its planets in turn, then nothing.
void RasiChartView::CycleAtCursor() {
  if (!chart_ || !overlay_.cursorSign) return;
  const int sign = *overlay_.cursorSign;
  std::vector<ArgalaRecipient> choices = {
      {ArgalaRecipient::Kind::House, HouseOfSign(chart_->signs, sign)}};
  for (int p = 0; p < kPlanetCount; ++p) {
    if (chart_->signs.grahas[p] == sign) choices.push_back({ArgalaRecipient::Kind::Planet, p});
  }
  const auto shown = overlay_.explanation ? std::find(choices.begin(), choices.end(),
                                                      overlay_.explanation->recipient)
                                          : choices.end();
  if (shown == choices.end()) return Toggle(choices.front());
  if (shown + 1 == choices.end()) return ClearExplanation();
  Toggle(*(shown + 1));
}

void RasiChartView::resizeEvent(QResizeEvent*) {
  const double byHeight =
      std::max(leastZoom_, static_cast<double>(height()) / NaturalSize(1, face_.style).height());
  if (byHeight != preferredZoom_) {
    preferredZoom_ = byHeight;
    updateGeometry();
  }
  LayOut();
}

// As large as the view allows in the card's own shape, from the top left corner.
void RasiChartView::LayOut() {
  const QSize natural = NaturalSize(1, face_.style);
  const double zoom =
      std::max(leastZoom_, std::min(static_cast<double>(width()) / natural.width(),
                                    static_cast<double>(height()) / natural.height()));
  layout_ = LayOutChartCard(captions_, {0, 0}, kWindowPxPerTwip * zoom, this, CondensedFont(font()),
                            face_);
}

}  // namespace tarvel
