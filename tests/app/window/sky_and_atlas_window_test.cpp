#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "../../form/example_birth.h"
#include "app/window/form_mapping.h"
#include "cli/cli_app.h"
#include "positions/swiss/swiss_sky.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

using SkyWindowTest = WindowTest;

TEST_F(SkyWindowTest, TheClassicSkyComesFirstAndTheSwissSkyOpensItsChoices) {
  const SkyMenuActions& sky = window.SkyMenu();
  EXPECT_TRUE(sky.mnuClassic->isChecked());
  EXPECT_FALSE(sky.mnuAyanamsa->isEnabled());
  EXPECT_FALSE(sky.mnuNode->isEnabled());
  sky.mnuSwiss->trigger();
  EXPECT_TRUE(sky.mnuAyanamsa->isEnabled());
  EXPECT_TRUE(sky.ayanamsa[0]->isChecked());  // Lahiri
  sky.ayanamsa[static_cast<std::size_t>(AyanamsaKind::Raman)]->trigger();
  sky.node[1]->trigger();
  EXPECT_EQ(window.ChosenSky(), (SkySettings{SkyKind::Swiss, AyanamsaKind::Raman, NodeKind::True}));
}

TEST_F(SkyWindowTest, TheResultViewSaysWhichSkyComputedTheChartAndAChangeRecomputesIt) {
  FillRequiredBoxes();
  in.cmdCalculate->click();
  EXPECT_EQ(out.lblSky->text(), "Sky: Classic formulas");
  const BirthForm form = ReadForm(in);
  EXPECT_EQ(ShownCaptions(*out.chart), CoreView(form).captions);

  window.SkyMenu().mnuSwiss->trigger();
  EXPECT_EQ(window.FrontView(), out.Frame2);
  EXPECT_EQ(out.lblSky->text(), "Sky: Swiss Ephemeris, Lahiri ayanamsa, mean node");
  const ExpectedView swiss =
      CoreView(form, SwissSky({SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean}));
  EXPECT_EQ(ShownCaptions(*out.chart), swiss.captions);
  EXPECT_EQ(out.RTB->toPlainText(), PlainReading(swiss.runs));
}

TEST_F(SkyWindowTest, TheChosenSkySurvivesARestart) {
  window.SkyMenu().mnuSwiss->trigger();
  window.SkyMenu().node[1]->trigger();
  frmMain restarted(sink, help);
  EXPECT_TRUE(restarted.SkyMenu().mnuSwiss->isChecked());
  EXPECT_TRUE(restarted.SkyMenu().node[1]->isChecked());
  EXPECT_EQ(restarted.ChosenSky(),
            (SkySettings{SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::True}));
}

// The chart on show is redrawn in the chosen style, the rising sign's house at the top centre.
TEST_F(SkyWindowTest, TheChartStyleRedrawsTheChartOnShowAndSurvivesARestart) {
  FillRequiredBoxes();
  in.cmdCalculate->click();
  const ChartCaptions south = ShownCaptions(*out.chart);
  window.ViewMenu().chartStyle[static_cast<std::size_t>(ChartStyle::North)]->trigger();
  const ChartCardLayout& layout = out.chart->Layout();
  EXPECT_EQ(ShownCaptions(*out.chart), south);
  EXPECT_TRUE(south.lblSign[layout.face.risingSign].starts_with("Asc"));
  const QPointF topCentre(layout.square.center().x(),
                          layout.square.top() + layout.square.height() / 4);
  EXPECT_TRUE(layout.signShapes[layout.face.risingSign].containsPoint(topCentre, Qt::OddEvenFill));
  EXPECT_TRUE(frmMain(sink, help).ViewMenu().chartStyle[1]->isChecked());
}

TEST_F(SkyWindowTest, AChartTheSkyCannotComputeIsAMessageAndTheFormStays) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("tvl_ephemeris_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "semo_18.se1");  // empty
  ::setenv("SE_EPHE_PATH", folder.c_str(), 1);
  frmMain refusing(sink, help);  // its skies read the folder now
  ::unsetenv("SE_EPHE_PATH");
  refusing.SkyMenu().mnuSwiss->trigger();
  WriteForm(AshaForm(), refusing.Input());
  refusing.Input().cmdCalculate->click();
  std::filesystem::remove_all(folder);
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"the Swiss Ephemeris data file " +
                                     (folder / "semo_18.se1").string() + " is empty"});
  EXPECT_EQ(refusing.FrontView(), refusing.Input().Frame1);
  EXPECT_FALSE(refusing.Menu().mnuExportPdf->isEnabled() || refusing.Menu().mnuPrint->isEnabled());
}

class AtlasWindowTest : public WindowTest {
 protected:
  // Types into the City box as a user does and picks the first city offered with the keyboard.
  QString TypeAndPickFirst(const QString& typed) {
    in.txtCity->setFocus();
    QTest::keyClicks(in.txtCity, typed);
    QAbstractItemView* popup = window.Cities().Completer()->popup();
    EXPECT_TRUE(popup->isVisible());
    const QString first = popup->model()->index(0, 0).data().toString();
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    return first;
  }

  void ChooseDate(const char* day, const char* month, const char* year) {
    Choose(in.cboDate, day);
    Choose(in.cboMonth, month);
    Choose(in.cboYear, year);
  }
};

// Old birth records say Bombay: the City box offers the city under that name too.
TEST_F(AtlasWindowTest, AFormerNameOffersItsCityAndPickingItFillsTheCitysOwnName) {
  EXPECT_EQ(TypeAndPickFirst("Bomb"), "Mumbai (Bombay), Maharashtra, India");
  EXPECT_EQ(in.txtCity->text(), "Mumbai");
  EXPECT_EQ(in.txtState->text(), "Maharashtra");
}

TEST_F(AtlasWindowTest, PickingMumbaiFillsThePlaceAndTheZoneAndTheChartIsTheCommandLines) {
  in.txtName->setText("Asha Rao");
  ChooseDate("5", "March", "1980");
  Choose(in.cboHour, "14");
  Choose(in.cboMinute, "7");
  EXPECT_EQ(TypeAndPickFirst("Mumb"), "Mumbai, Maharashtra, India");
  EXPECT_EQ(in.txtCity->text(), "Mumbai");
  EXPECT_EQ(in.txtState->text(), "Maharashtra");
  EXPECT_EQ(in.txtCountry->text(), "India");
  EXPECT_EQ(in.cboTimeZone->currentText(), "Indian Time, IST, -5.3");
  EXPECT_FALSE(in.chkDST->isChecked());
  EXPECT_TRUE(in.lblZoneNote->text().startsWith("Asia/Kolkata on 5 March 1980: UTC+05:30"))
      << in.lblZoneNote->text().toStdString();
  in.cmdCalculate->click();
  ASSERT_TRUE(sink.messages.empty()) << sink.messages[0].text;

  std::ostringstream cliOut, cliErr;
  const char* args[] = {"tarvel-cli", "chart",   "--json",        "--date", "1980-03-05", "--time",
                        "14:07",      "--place", "Mumbai, India", "--name", "Asha Rao"};
  ASSERT_EQ(cli::RunTarvelCli(std::size(args), args, cliOut, cliErr), 0) << cliErr.str();
  const auto cli = nlohmann::json::parse(cliOut.str());
  const ChartCaptions shown = ShownCaptions(*out.chart);
  for (std::size_t sign = 0; sign < shown.lblSign.size(); ++sign) {
    EXPECT_EQ(shown.lblSign[sign], cli["SignContents"][sign]) << sign;
  }
  for (std::size_t planet = 0; planet < shown.lblPlanets_Position.size(); ++planet) {
    EXPECT_EQ(shown.lblPlanets_Position[planet], cli["PlanetSigns"][planet]) << planet;
  }
  EXPECT_EQ(out.RTB->toPlainText(),
            QString::fromStdString(cli["Reading"].get<std::string>()).replace("\r\n", "\n"));
}

TEST_F(AtlasWindowTest, ANewDateMovesTheZoneWhileThePlaceIsTheAtlassAndNotAfterward) {
  ChooseDate("1", "July", "1980");
  Choose(in.cboHour, "12");
  EXPECT_EQ(TypeAndPickFirst("New Yo"), "New York, New York, United States of America");
  EXPECT_EQ(in.cboTimeZone->currentText(), "Eastern Standard Time,EST,5.0");
  EXPECT_TRUE(in.chkDST->isChecked());
  EXPECT_TRUE(in.optLong[1]->isChecked());  // West
  Choose(in.cboMonth, "January");
  EXPECT_FALSE(in.chkDST->isChecked());
  EXPECT_EQ(in.cboTimeZone->currentText(), "Eastern Standard Time,EST,5.0");

  // Once the user types the place, the atlas has no more say over the zone.
  QTest::keyClicks(in.txtLatMin, "1");
  EXPECT_TRUE(in.lblZoneNote->text().isEmpty());
  Choose(in.cboMonth, "July");
  EXPECT_FALSE(in.chkDST->isChecked());
}

TEST_F(AtlasWindowTest, OneLetterOffersNothingAndAPlaceWithNoRowTakesTheExactOffsetInForce) {
  in.txtCity->setFocus();
  QTest::keyClicks(in.txtCity, "K");
  EXPECT_FALSE(window.Cities().Completer()->popup()->isVisible());
  in.txtCity->clear();
  Choose(in.cboTimeZone, "Greenwich Mean Time,GMT,0.0");
  ChooseDate("1", "January", "1900");
  TypeAndPickFirst("Kolkat");
  // Madras time, which no row has.
  EXPECT_EQ(in.cboTimeZone->currentText(), "Asia/Kolkata, MMT, UTC+05:21:10");
  EXPECT_EQ(in.txtZoneOffset->text(), "+05:21:10");
  EXPECT_TRUE(in.txtZoneOffset->isEnabled());
  in.txtName->setText("Asha Rao");
  in.cmdCalculate->click();
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(window.FrontView(), out.Frame2);
  EXPECT_TRUE(out.lblHeader->text().contains("UTC+05:21:10"))
      << out.lblHeader->text().toStdString();
}

// The chart is the command line's for the same place and time, at Nepal's UTC+05:45.
TEST_F(AtlasWindowTest, PickingKathmanduTakesUtcPlus0545AndTheChartIsTheCommandLines) {
  in.txtName->setText("Asha Rao");
  ChooseDate("5", "May", "1990");
  Choose(in.cboHour, "10");
  EXPECT_TRUE(TypeAndPickFirst("Kathm").startsWith("Kathmandu"));
  EXPECT_EQ(in.cboTimeZone->currentText(), "Asia/Kathmandu, +0545, UTC+05:45");
  in.cmdCalculate->click();
  ASSERT_TRUE(sink.messages.empty()) << sink.messages[0].text;
  EXPECT_TRUE(out.lblHeader->text().contains("UTC+05:45")) << out.lblHeader->text().toStdString();

  std::ostringstream cliOut, cliErr;
  const char* args[] = {"tarvel-cli",       "chart",  "--json",  "--date",
                        "1990-05-05",       "--time", "10:00",   "--place",
                        "Kathmandu, Nepal", "--name", "Asha Rao"};
  ASSERT_EQ(cli::RunTarvelCli(std::size(args), args, cliOut, cliErr), 0) << cliErr.str();
  const auto cli = nlohmann::json::parse(cliOut.str());
  const ChartCaptions shown = ShownCaptions(*out.chart);
  for (std::size_t sign = 0; sign < shown.lblSign.size(); ++sign) {
    EXPECT_EQ(shown.lblSign[sign], cli["SignContents"][sign]) << sign;
  }
  EXPECT_EQ(out.RTB->toPlainText(),
            QString::fromStdString(cli["Reading"].get<std::string>()).replace("\r\n", "\n"));
}

// The year list follows the sky; a year the classic sky does not compute is refused by name.
TEST_F(AtlasWindowTest, TheYearListFollowsTheSkyAndTheClassicSkyNamesThePreciseOne) {
  window.SkyMenu().mnuSwiss->trigger();
  EXPECT_EQ(in.cboYear->itemText(0), "1800");
  EXPECT_EQ(in.cboYear->itemText(in.cboYear->count() - 1), "2399");
  FillRequiredBoxes();
  Choose(in.cboYear, "1850");
  window.SkyMenu().mnuClassic->trigger();
  EXPECT_EQ(in.cboYear->currentText(), "1850");  // kept, though the classic list starts at 1900
  in.cmdCalculate->click();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"The classic sky computes 1900 to 2050; "
                                                     "choose the precise sky (Sky menu, or "
                                                     "--sky swiss) for 1850."});
  EXPECT_EQ(window.FrontView(), in.Frame1);
}

// Digits typed into a list pick the number typed, not the first entry starting with each key.
TEST_F(AtlasWindowTest, DigitsTypedIntoTheListsSelectTheNumberTyped) {
  const struct {
    QComboBox* list;
    const char* keys;
    const char* shown;
  } cases[] = {
      {in.cboMinute, "07", "7"},    {in.cboHour, "23", "23"},   {in.cboHour, "2", "2"},
      {in.cboHour, "29", "9"},      {in.cboDate, "31", "31"},   {in.cboMonth, "11", "November"},
      {in.cboYear, "1987", "1987"}, {in.cboSecond, "45", "45"},
  };
  for (const auto& c : cases) {
    Choose(c.list, c.list == in.cboHour ? "14" : c.list->itemText(0));
    c.list->setFocus();
    QTest::qWait(QApplication::keyboardInputInterval() + 50);  // a pause starts over
    QTest::keyClicks(c.list, c.keys);
    EXPECT_EQ(c.list->currentText(), c.shown) << c.keys;
  }
}

// The latitude's minutes are typed over the atlas's; the rest is the atlas's.
TEST_F(AtlasWindowTest, AnUnknownCityIsSaidAndTakesBackOnlyWhatTheAtlasFilled) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ChooseDate("5", "March", "1980");
  TypeAndPickFirst("Mumb");
  in.txtLatMin->setText("30");
  in.txtCity->setFocus();
  in.txtCity->clear();
  QTest::keyClicks(in.txtCity, "Qqxville");
  in.txtState->setFocus();  // leaving the box ends the city
  EXPECT_EQ(in.lblZoneNote->text(),
            "Qqxville: not in the atlas \u2014 type the coordinates and zone");
  EXPECT_EQ(QStringList({in.txtLatDeg->text(), in.txtLatMin->text(), in.txtLonDeg->text(),
                         in.txtLonMin->text()}),
            QStringList({"", "30", "", ""}));
  EXPECT_EQ(in.cboTimeZone->currentIndex(), 0);
}

}  // namespace
}  // namespace tarvel::testing
