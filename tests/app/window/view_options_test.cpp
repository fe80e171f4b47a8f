#include <QFontInfo>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "app/window/form_mapping.h"
#include "export/chart_card_layout.h"
#include "export/chart_palette.h"
#include "tests/form/example_birth.h"
#include "tests/support/contrast.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

// Asha Rao's chart (5 March 1980, 14:07 IST, Mumbai) in the classic sky: Mars 8°56', Jupiter
// 10°43' and the N Node 3°59' in Leo, Mars and Jupiter moving backward.
class ViewOptionsTest : public WindowTest {
 protected:
  ViewOptionsTest() {
    WriteForm(AshaForm(), in);
    in.cmdCalculate->click();
  }
  const ResultViewActions& Items() const { return window.ViewOptions().Actions(); }
};

TEST_F(ViewOptionsTest, TheBoxesSayWhatTheViewMenuAsksAndItIsRemembered) {
  const std::pair<QAction*, const char*> steps[] = {
      {nullptr, "Ma / J / NN"},
      {Items().mnuDegrees, "Ma 08°56' / J 10°43' / NN 03°59'"},
      {Items().mnuRetrograde, "Ma 08°56' (R) / J 10°43' (R) / NN 03°59'"},
      {Items().mnuDegrees, "Ma (R) / J (R) / NN"}};
  for (const auto& [item, leo] : steps) {
    if (item != nullptr) item->trigger();
    const ChartCaptions shown = ShownCaptions(*out.chart);
    EXPECT_EQ(shown.lblSign[4], leo);
    EXPECT_EQ(shown.ascendantName, Items().mnuDegrees->isChecked() ? "Ascendant" : "");
  }
  const frmMain again(sink, help);
  EXPECT_FALSE(again.ViewOptions().Actions().mnuDegrees->isChecked());
  EXPECT_TRUE(again.ViewOptions().Actions().mnuRetrograde->isChecked());
}

// A tooltip's lines break between words within a reader's measure, at most 75 characters
// (Bringhurst's upper bound), the box's long notes as well as the controls' own tips.
void ExpectReadableLines(const QString& tip, const QString& where) {
  for (const QString& line : tip.split('\n')) {
    EXPECT_LE(line.size(), 75) << where.toStdString() << ": " << line.toStdString();
    EXPECT_EQ(line, line.trimmed()) << where.toStdString();
  }
}

TEST_F(ViewOptionsTest, EachBoxTellsItsSignLordAndPlanetsInATooltip) {
  const QPointF leo = out.chart->Layout().signBoxes[4].center();
  const QString note = out.chart->NoteAt(leo);
  const QStringList lines = note.split('\n');
  ASSERT_GE(lines.size(), 10);
  EXPECT_EQ(lines[0], "Leo, ruled by Sun");
  EXPECT_EQ(lines[1], "Mars 08°56' (R)");
  // Magha spans 0° to 13°20' of Leo; its third pada begins at 6°40'.
  EXPECT_EQ(lines[2], "Nakshatra: Magha, pada 3, lord S Node");
  EXPECT_TRUE(lines[3].startsWith("Casts: Mars/")) << lines[3].toStdString();
  EXPECT_TRUE(lines.contains("N Node 03°59'")) << note.toStdString();
  ExpectReadableLines(note, "Leo");
  EXPECT_EQ(out.chart->NoteAt(out.chart->Layout().square.center()), "") << "the legend";
  QHelpEvent help(QEvent::ToolTip, leo.toPoint(), out.chart->mapToGlobal(leo.toPoint()));
  QApplication::sendEvent(out.chart, &help);
  EXPECT_EQ(QToolTip::text(), note);
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    ExpectReadableLines(control->toolTip(), control->objectName());
  }
}

int SmallestCaptionPx(const ChartCardLayout& card) {
  int smallest = 1000;
  ForEachText(card, [&smallest](const PlacedText& text) {
    if (text.role == TextRole::SignBox || text.role == TextRole::PlanetName ||
        text.role == TextRole::PlanetPosition) {
      smallest = std::min(smallest, text.font.pixelSize());
    }
  });
  return smallest;
}

// Degrees crowd the North and East Indian cells. Three steps in (130 %), every style's
// captions grow, and none is ever smaller than the window's text at that zoom.
TEST_F(ViewOptionsTest, ZoomGrowsTheChartsCaptionsAndNoneFallsBelowTheWindowsText) {
  Items().mnuDegrees->trigger();
  const int windowPx = QFontInfo(out.chart->font()).pixelSize();
  for (const ChartStyle style : kChartStyles) {
    window.ViewMenu().chartStyle[static_cast<std::size_t>(style)]->trigger();
    Items().mnuZoomReset->trigger();
    const int plain = SmallestCaptionPx(out.chart->Layout());
    EXPECT_GE(plain, windowPx) << static_cast<int>(style);
    for (int step = 0; step < 3; ++step) Items().mnuZoomIn->trigger();
    const int zoomed = SmallestCaptionPx(out.chart->Layout());
    EXPECT_GE(zoomed, std::floor(windowPx * 1.3)) << static_cast<int>(style);
    EXPECT_GT(zoomed, plain) << static_cast<int>(style);
  }
}

Rgb RgbOf(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

// Every text of the result view against the ground it is drawn on, as rendered.
void ExpectResultViewReadable(const ResultControls& out, const char* theme) {
  const ChartPalette& chart = out.chart->Palette();
  const QImage shot = out.chart->grab().toImage();
  const QPointF inside = out.chart->Layout().signBoxes[6].topLeft() + QPointF(3, 3);
  const Rgb square = RgbOf(shot.pixelColor((inside * shot.devicePixelRatio()).toPoint()));
  const Rgb view = RgbOf(out.Frame2->palette().color(QPalette::Window));
  const Rgb reading = RgbOf(out.RTB->palette().color(QPalette::Base));
  const std::pair<Rgb, Rgb> pairs[] = {
      {chart.Of(TextRole::SignBox), square},
      {chart.Of(TextRole::SignNumber), square},
      {chart.Of(TextRole::Legend), square},
      {chart.Of(TextRole::PlanetName), view},
      {chart.Of(TextRole::PlanetPosition), view},
      {kReadingHeadingColour, reading},
      {kReadingLineColour, reading},
      {RgbOf(out.lblHeader->palette().color(QPalette::WindowText)), view}};
  for (const auto& [text, ground] : pairs) {
    EXPECT_GE(Contrast(text, ground), kReadableContrast) << theme << " " << int(text.red);
  }
}

// A dark desktop palette, chosen while the window is open, darkens the square and turns the
// legend light red; every text stays readable, and does so again back in the light palette.
TEST_F(ViewOptionsTest, TheResultViewReadsInLightAndDarkPalettesAndFollowsAChange) {
  const QPalette light = QApplication::palette();
  ExpectResultViewReadable(out, "light");
  QPalette dark = light;
  dark.setColor(QPalette::Window, QColor(53, 53, 53));
  dark.setColor(QPalette::WindowText, Qt::white);
  QApplication::setPalette(dark);
  EXPECT_EQ(out.chart->Palette().Of(TextRole::Legend), kLegendOnDarkColour);
  ExpectResultViewReadable(out, "dark");
  QApplication::setPalette(light);
  EXPECT_EQ(out.chart->Palette().Of(TextRole::Legend), kLegendColour);
}

}  // namespace
}  // namespace tarvel::testing
