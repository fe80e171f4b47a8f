#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "app/window/first_window_size.h"
#include "app/window/form_mapping.h"
#include "export/chart_palette.h"
#include "tests/app/example_birth.h"
#include "tests/support/contrast.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

// Asha Rao's chart (5 March 1980, 14:07 IST, Mumbai) in the classic sky: Mars 8°56', Jupiter
// 10°43' and the N Node 3°59' in Leo; Mars and Jupiter moving backward then, as were Mercury
// and Saturn.
class ViewOptionsTest : public WindowTest {
 protected:
  ViewOptionsTest() {
    WriteForm(AshaForm(), in);
    in.cmdCalculate->click();
  }
  const ResultViewActions& Items() const { return window.ViewOptions().Actions(); }
  std::string LeoBox() const { return ShownCaptions(*out.chart).lblSign[4]; }
};

TEST_F(ViewOptionsTest, TheBoxesSayWhatTheViewMenuAsksAndItIsRemembered) {
  ASSERT_EQ(window.FrontView(), out.Frame2);
  EXPECT_EQ(LeoBox(), "Ma / J / NN");
  EXPECT_EQ(ShownCaptions(*out.chart).ascendantName, "");
  Items().mnuDegrees->trigger();
  EXPECT_EQ(LeoBox(), "Ma 08°56' / J 10°43' / NN 03°59'");
  EXPECT_EQ(ShownCaptions(*out.chart).ascendantName, "Ascendant");
  Items().mnuRetrograde->trigger();
  EXPECT_EQ(LeoBox(), "Ma 08°56' (R) / J 10°43' (R) / NN 03°59'");
  Items().mnuDegrees->trigger();
  EXPECT_EQ(LeoBox(), "Ma (R) / J (R) / NN");
  EXPECT_EQ(LoadBoxDetails(QSettings()), (BoxDetails{false, true}));
  const frmMain again(sink, help);
  EXPECT_FALSE(again.ViewOptions().Actions().mnuDegrees->isChecked());
  EXPECT_TRUE(again.ViewOptions().Actions().mnuRetrograde->isChecked());
}

TEST_F(ViewOptionsTest, EachBoxTellsItsSignLordAndPlanetsInATooltip) {
  window.BringResultViewToFront();
  QTest::qWait(0);
  const QPointF leo = out.chart->Layout().signBoxes[4].center();
  const QStringList lines = out.chart->NoteAt(leo).split('\n');
  ASSERT_GE(lines.size(), 10);
  EXPECT_EQ(lines[0], "Leo, ruled by Sun");
  EXPECT_EQ(lines[1], "Mars 08°56' (R)");
  EXPECT_TRUE(lines[2].startsWith("Casts: Mars/")) << lines[2].toStdString();
  EXPECT_TRUE(lines[3].startsWith("Receives: ")) << lines[3].toStdString();
  EXPECT_EQ(lines[4], "Jupiter 10°43' (R)");
  EXPECT_EQ(lines[7], "N Node 03°59'");
  // The legend in the centre is no box.
  EXPECT_EQ(out.chart->NoteAt(out.chart->Layout().square.center()), "");
  QHelpEvent help(QEvent::ToolTip, leo.toPoint(), out.chart->mapToGlobal(leo.toPoint()));
  QApplication::sendEvent(out.chart, &help);
  EXPECT_EQ(QToolTip::text(), lines.join('\n'));
}

TEST_F(ViewOptionsTest, TheReadingZoomsInStepsAndRemembersIt) {
  const int first = out.RTB->font().pixelSize();
  ASSERT_EQ(first, 13);
  struct Step {
    QAction* item;
    int px;
  };
  const Step steps[] = {{Items().mnuZoomIn, 14},    {Items().mnuZoomIn, 16},
                        {Items().mnuZoomReset, 13}, {Items().mnuZoomOut, 12},
                        {Items().mnuZoomOut, 10},   {Items().mnuZoomIn, 12}};
  for (const Step& step : steps) {
    step.item->trigger();
    EXPECT_EQ(out.RTB->font().pixelSize(), step.px) << step.item->text().toStdString();
  }
  EXPECT_EQ(LoadZoomSteps(QSettings()), -1);
  EXPECT_EQ(Items().mnuZoomReset->shortcut(), QKeySequence("Ctrl+0"));
  EXPECT_TRUE(Items().mnuZoomIn->shortcuts().contains(QKeySequence(QKeySequence::ZoomIn)));
}

Rgb RgbOf(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

// Every text of the result view against the ground it is drawn on.
void ExpectResultViewReadable(const ResultControls& out, const char* theme) {
  const ChartPalette& chart = out.chart->Palette();
  for (const TextRole role : {TextRole::SignBox, TextRole::SignNumber, TextRole::Legend}) {
    EXPECT_GE(Contrast(chart.Of(role), chart.squareGround), kReadableContrast)
        << theme << " role " << static_cast<int>(role);
  }
  const Rgb viewGround = RgbOf(out.Frame2->palette().color(QPalette::Window));
  for (const TextRole role : {TextRole::PlanetName, TextRole::PlanetPosition}) {
    EXPECT_GE(Contrast(chart.Of(role), viewGround), kReadableContrast) << theme;
  }
  const Rgb headerText = RgbOf(out.lblHeader->palette().color(QPalette::WindowText));
  EXPECT_GE(Contrast(headerText, viewGround), kReadableContrast) << theme;
  const Rgb readingGround = RgbOf(out.RTB->palette().color(QPalette::Base));
  for (const DocumentLineKind kind : {DocumentLineKind::Heading, DocumentLineKind::Entry}) {
    EXPECT_GE(Contrast(LineStyle(kind).colour, readingGround), kReadableContrast) << theme;
  }
  // The square is drawn on the ground the palette names.
  const QImage shot = out.chart->grab().toImage();
  const QPointF inside = out.chart->Layout().signBoxes[6].topLeft() + QPointF(3, 3);
  EXPECT_EQ(RgbOf(shot.pixelColor((inside * shot.devicePixelRatio()).toPoint())),
            chart.squareGround)
      << theme;
}

// A dark desktop palette, chosen while the window is open, turns the square dark and the
// legend light red; every text stays readable, and so it does back in the light palette.
TEST_F(ViewOptionsTest, TheResultViewReadsInLightAndDarkPalettesAndFollowsAChange) {
  window.BringResultViewToFront();
  const QPalette light = QApplication::palette();
  ExpectResultViewReadable(out, "light");
  QPalette dark = light;
  dark.setColor(QPalette::Window, QColor(53, 53, 53));
  dark.setColor(QPalette::WindowText, Qt::white);
  QApplication::setPalette(dark);
  QTest::qWait(0);
  EXPECT_EQ(out.chart->Palette().Of(TextRole::Legend), kLegendOnDarkColour);
  ExpectResultViewReadable(out, "dark");
  QApplication::setPalette(light);
  QTest::qWait(0);
  EXPECT_EQ(out.chart->Palette().Of(TextRole::Legend), kLegendColour);
}

TEST(FirstWindowSizeTest, GrowsWithTheScreenButNeverBeyondIt) {
  struct Case {
    QSize available;
    QSize first;
  };
  const QSize natural(840, 520);
  const Case cases[] = {
      {{1920, 1040}, {1260, 780}},  // three quarters of the height, in the window's shape
      {{1600, 1200}, {1200, 743}},  // the width limits here
      {{1024, 600}, {840, 520}},    // no room to grow: the natural size
      {{960, 510}, {840, 510}},     // 1920 x 1080 at 200 %: never taller than the screen
      {{683, 384}, {683, 384}},     // 1366 x 768 at 200 %
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FirstWindowSize(natural, c.available), c.first) << c.available.width();
  }
}

}  // namespace
}  // namespace tarvel::testing
