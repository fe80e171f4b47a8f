#include <QDir>
#include <QStatusBar>
#include <QTemporaryDir>
#include <fstream>

#include "../../form/example_birth.h"
#include "app/window/form_mapping.h"
#include "form/reading_file.h"
#include "form/scramble.h"
#include "positions/swiss/swiss_sky.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

const ShownMessage kCheckTheFile{"Please Check The File.", MessageIcon::Error};

// A reading named on the command line, as `tarvel FILE.tvl` opens it at start.
class OpenReadingFileTest : public WindowTest {
 protected:
  QString Write(const QString& name, const std::string& bytes) {
    const QString path = folder.filePath(name);
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << bytes;
    return path;
  }

  QTemporaryDir folder;
};

TEST_F(OpenReadingFileTest, RestoresTheFormAndShowsTheChart) {
  // A file manager passes the full path, spaces and all.
  const QString path = Write("Asha Rao, Mumbai.tvl", FileOf(AshaLines()));
  EXPECT_TRUE(window.OpenReadingFile(path));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ReadForm(in), AshaForm());
  const ExpectedView expected = CoreView(AshaForm());
  EXPECT_EQ(ShownCaptions(*out.chart), expected.captions);
  EXPECT_EQ(out.RTB->toPlainText(), PlainReading(expected.runs));
  EXPECT_EQ(out.lblSky->text(), "Sky: Classic formulas");
  EXPECT_EQ(window.FrontView(), out.Frame2);
}

// The sky chosen in the menu, remembered from the last run, places the reading's planets.
TEST_F(OpenReadingFileTest, TheChosenSkyComputesTheChart) {
  window.SkyMenu().mnuSwiss->trigger();
  EXPECT_TRUE(window.OpenReadingFile(Write("asha.tvl", FileOf(AshaLines()))));
  const ExpectedView swiss =
      CoreView(AshaForm(), SwissSky({SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean}));
  EXPECT_EQ(ShownCaptions(*out.chart), swiss.captions);
  EXPECT_EQ(out.RTB->toPlainText(), PlainReading(swiss.runs));
  EXPECT_EQ(out.lblSky->text(), "Sky: Swiss Ephemeris, Lahiri ayanamsa, mean node");
}

TEST_F(OpenReadingFileTest, ANameOutsideAsciiOpensToo) {
  const QString path = Write(QString::fromUtf8("Āśā.tvl"), FileOf(AshaLines()));
  EXPECT_TRUE(window.OpenReadingFile(path));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ReadForm(in), AshaForm());
}

TEST_F(OpenReadingFileTest, AFileTheOpenButtonWouldRefuseIsRefusedTheSameWay) {
  FillRequiredBoxes();
  const BirthForm typed = ReadForm(in);
  std::string fiveLines;
  for (int line = 0; line < 5; ++line) fiveLines += ScrambleText(AshaLines()[line]) + "\r\n";
  const QString refused[] = {
      Write("asha.TVL", FileOf(AshaLines())),  // the ending's letter case counts
      Write("damaged.tvl", fiveLines), folder.filePath("missing.tvl"),
      folder.path(),  // a folder
  };
  for (const QString& path : refused) {
    sink.messages.clear();
    EXPECT_FALSE(window.OpenReadingFile(path)) << path.toStdString();
    EXPECT_EQ(sink.messages, std::vector{kCheckTheFile}) << path.toStdString();
    EXPECT_EQ(ReadForm(in), typed) << path.toStdString();
    EXPECT_EQ(window.FrontView(), in.Frame1) << path.toStdString();
  }
}

TEST_F(OpenReadingFileTest, CoordinatesOffTheGlobeFillTheFormAndSayWhy) {
  LineTexts lines = AshaLines();
  lines[7] = "200";  // degrees of longitude
  EXPECT_FALSE(window.OpenReadingFile(Write("far.tvl", FileOf(lines))));
  EXPECT_EQ(sink.messages,
            (std::vector{ShownMessage{"Please Enter Correct Longitude", MessageIcon::Error}}));
  BirthForm expected = AshaForm();
  expected.txtLonDeg = *DigitText::Parse("200");
  EXPECT_EQ(ReadForm(in), expected);
  EXPECT_EQ(window.focusWidget(), in.txtLonDeg);
  EXPECT_EQ(window.FrontView(), in.Frame1);
}

// A file's day goes through the form's date check: the form shows it, nothing is computed.
TEST_F(OpenReadingFileTest, ADayTheMonthHasNotFillsTheFormWithTheFormsMessage) {
  for (const auto& [month, day, year, message] : std::vector<std::array<std::string, 4>>{
           {"4", "31", "1980", "Please Enter Correct Date Or Month !"},
           {"2", "30", "1980", "Please Enter Correct Date Or Month!"},
           {"2", "29", "1900", "Please Enter Correct Date Or Month!"}}) {
    sink.messages.clear();
    LineTexts lines = AshaLines();
    lines[kLineMonth] = month;
    lines[kLineDay] = day;
    lines[kLineYear] = year;
    EXPECT_FALSE(window.OpenReadingFile(Write("day.tvl", FileOf(lines)))) << day;
    EXPECT_EQ(sink.messages, (std::vector{ShownMessage{message, MessageIcon::Information}}));
    EXPECT_EQ(in.cboDate->currentText().toStdString() + in.cboYear->currentText().toStdString(),
              day + year);
    EXPECT_EQ(window.FrontView(), in.Frame1) << day;
  }
}

// A reading keeps the sky it was saved in, whatever the menu says.
TEST_F(OpenReadingFileTest, AReadingSavedInTheSwissEphemerisReopensInIt) {
  FakeChooser chooser;
  window.SetFileChooser(chooser);
  window.SkyMenu().mnuSwiss->trigger();
  ASSERT_TRUE(window.OpenReadingFile(Write("asha.tvl", FileOf(AshaLines()))));
  chooser.answer = folder.filePath("swiss.tvl");
  window.Menu().mnuSaveAs->trigger();
  window.SkyMenu().mnuClassic->trigger();
  ASSERT_TRUE(window.OpenReadingFile(folder.filePath("swiss.tvl")));
  const std::string swiss = "Swiss Ephemeris, Lahiri ayanamsa, mean node";
  EXPECT_EQ(out.lblSky->text().toStdString(), "Sky: " + swiss);
  EXPECT_EQ(window.statusBar()->currentMessage().toStdString(),
            "Opened in its own sky, " + swiss + "; the Sky menu stays at Classic formulas");
  window.SkyMenu().mnuClassic->trigger();  // the menu's sky again, for the reading on show
  EXPECT_EQ(out.lblSky->text(), "Sky: Classic formulas");
}

}  // namespace
}  // namespace tarvel::testing
