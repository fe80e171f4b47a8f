#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

#include "../../form/example_birth.h"
#include "app/window/file_chooser.h"
#include "app/window/form_mapping.h"
#include "form/calculation_driver.h"
#include "form/scramble.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

// The example as a user enters it, with spaces around the name and the city.
void EnterExample(const InputControls& in) {
  in.txtName->setText("  Asha Rao ");
  Choose(in.cboDate, "5");
  Choose(in.cboMonth, "March");
  Choose(in.cboYear, "1980");
  Choose(in.cboHour, "14");
  Choose(in.cboMinute, "7");
  in.cboTimeZone->setCurrentIndex(kAshaZoneRow);
  in.txtLatDeg->setText("18");
  in.txtLatMin->setText("58");
  in.txtLonDeg->setText("72");
  in.txtLonMin->setText("49");
  in.txtCity->setText("Mumbai ");
  in.txtState->setText("Maharashtra");
  in.txtCountry->setText("India");
}

// The unscrambled texts of a file's lines; a file that is not 17 lines ended by CR LF gives
// fewer or an "<unterminated>" line.
LineTexts DecodedLines(std::string_view bytes) {
  LineTexts lines;
  for (std::string& line : lines) {
    const auto end = bytes.find("\r\n");
    line = end == std::string_view::npos ? "<unterminated>" : UnscrambleText(bytes.substr(0, end));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 2);
  }
  return bytes.empty() ? lines : LineTexts{"<more than 17 lines>"};
}

std::string ReadBytes(const QString& path) {
  std::ifstream file(QFile::encodeName(path).toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const QString& path, std::string_view bytes) {
  std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << bytes;
}

// What the core shows for the example, calculated on a chart state of its own.
ExpectedView ExampleResult() {
  return CoreView(AshaForm());
}

class ReadingFilesTest : public WindowTest {
 protected:
  ReadingFilesTest() { window.SetFileChooser(chooser); }

  QString PathTo(const QString& name) const { return folder.filePath(name); }

  void Save(const QString& name) {
    chooser.answer = PathTo(name);
    out.cmdSave->click();
  }

  void Open(const QString& name) {
    chooser.answer = PathTo(name);
    in.cmdOpen->click();
  }

  // Calculates a chart other than the example's and goes back to the input view.
  void CalculateAnotherChart() {
    FillRequiredBoxes();
    in.cmdCalculate->click();
    ASSERT_TRUE(sink.messages.empty());
    out.cmdBack->click();
  }

  QTemporaryDir folder;
  FakeChooser chooser;
};

const FileDialogRequest kFirstSaveRequest{"Tarvel", "Asha-Rao.tvl", "Tarvel (*.tvl)", "tvl"};
const ShownMessage kCheckTheFile{"Please Check The File.", MessageIcon::Error};

TEST_F(ReadingFilesTest, SaveWritesTheLastCalculationsBirthData) {
  EnterExample(in);
  in.cmdCalculate->click();
  const QString reading = out.RTB->toPlainText();
  Save("asha.tvl");
  const std::string bytes = ReadBytes(PathTo("asha.tvl"));
  EXPECT_EQ(DecodedLines(bytes), AshaLines());
  EXPECT_EQ(bytes.substr(0, 10), "\x96\xC8\xBD\xB6u\xA7\xB6\xC4\r\n");  // "Asha Rao"
  ASSERT_EQ(chooser.saveRequests.size(), 1u);
  EXPECT_EQ(chooser.saveRequests[0], kFirstSaveRequest);
  EXPECT_EQ(window.LastSavePath, PathTo("asha.tvl"));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(window.FrontView(), out.Frame2);
  EXPECT_EQ(out.RTB->toPlainText(), reading);
}

TEST_F(ReadingFilesTest, TheNextSaveOffersTheLastNameAndCancelKeepsIt) {
  EnterExample(in);
  in.cmdCalculate->click();
  Save("first.tvl");
  out.cmdSave->click();  // cancelled
  Save("second.tvl");
  ASSERT_EQ(chooser.saveRequests.size(), 3u);
  FileDialogRequest offered = kFirstSaveRequest;
  offered.initialName = PathTo("first.tvl");
  EXPECT_EQ(chooser.saveRequests[1], offered);
  EXPECT_EQ(chooser.saveRequests[2], offered);
  EXPECT_EQ(window.LastSavePath, PathTo("second.tvl"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"first.tvl", "second.tvl"}));
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ReadingFilesTest, OpeningInAFreshWindowRestoresEveryControlAndShowsTheChart) {
  WriteBytes(PathTo("asha.tvl"), FileOf(AshaLines()));
  Open("asha.tvl");
  EXPECT_TRUE(sink.messages.empty());
  ASSERT_EQ(chooser.openRequests.size(), 1u);
  EXPECT_EQ(chooser.openRequests[0],
            (FileDialogRequest{"Select the source file", "", "Tarvel (*.tvl)", "tvl"}));
  EXPECT_EQ(in.txtName->text(), "Asha Rao");
  EXPECT_EQ(in.cboDate->currentText(), "5");
  EXPECT_EQ(in.cboMonth->currentText(), "March");
  EXPECT_EQ(in.cboYear->currentText(), "1980");
  EXPECT_EQ(in.cboHour->currentText(), "14");
  EXPECT_EQ(in.cboMinute->currentText(), "7");
  EXPECT_EQ(in.cboTimeZone->currentIndex(), kAshaZoneRow);
  EXPECT_EQ(in.txtLonDeg->text(), "72");
  EXPECT_EQ(in.txtLonMin->text(), "49");
  EXPECT_EQ(in.txtLatDeg->text(), "18");
  EXPECT_EQ(in.txtLatMin->text(), "58");
  EXPECT_TRUE(in.optLong[0]->isChecked());
  EXPECT_TRUE(in.optLat[0]->isChecked());
  EXPECT_FALSE(in.chkDST->isChecked());
  EXPECT_EQ(in.txtCity->text(), "Mumbai");
  EXPECT_EQ(in.txtState->text(), "Maharashtra");
  EXPECT_EQ(in.txtCountry->text(), "India");
  // The zone offset comes from the tables the window built at load.
  const ExpectedView expected = ExampleResult();
  EXPECT_EQ(ShownCaptions(*out.chart), expected.captions);
  EXPECT_EQ(out.RTB->toPlainText(), PlainReading(expected.runs));
  EXPECT_EQ(window.FrontView(), out.Frame2);
}

TEST_F(ReadingFilesTest, OpeningReplacesTheChartAndReadingOnScreen) {
  CalculateAnotherChart();
  const QString otherReading = out.RTB->toPlainText();
  WriteBytes(PathTo("asha.tvl"), FileOf(AshaLines()));
  Open("asha.tvl");
  const ExpectedView expected = ExampleResult();
  ASSERT_NE(PlainReading(expected.runs), otherReading);
  EXPECT_EQ(out.RTB->toPlainText(), PlainReading(expected.runs));
  EXPECT_EQ(ShownCaptions(*out.chart), expected.captions);
  EXPECT_EQ(ReadForm(in), AshaForm());
  EXPECT_EQ(window.FrontView(), out.Frame2);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ReadingFilesTest, OpeningThenSavingUnderAnotherNameGivesTheSameBytes) {
  LineTexts lines = AshaLines();
  lines[11] = "False";  // West
  lines[12] = "True";   // South
  lines[13] = "True";   // daylight saving
  WriteBytes(PathTo("original.tvl"), FileOf(lines));
  Open("original.tvl");
  Save("copy.tvl");
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ReadBytes(PathTo("copy.tvl")), FileOf(lines));
}

TEST_F(ReadingFilesTest, NamesAndPlacesBeyondLettersOpenAndSaveAsTheyWere) {
  LineTexts lines = AshaLines();
  lines[0] = "O'Brien";
  lines[14] = "St Louis 2";
  lines[15] = "\x8Akoda";  // Windows-1252 S caron
  lines[16] = "Mary-Jane";
  WriteBytes(PathTo("obrien.tvl"), FileOf(lines));
  Open("obrien.tvl");
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(in.txtName->text(), "O'Brien");
  EXPECT_EQ(in.txtCity->text(), "St Louis 2");
  EXPECT_EQ(in.txtState->text(), QString::fromUtf8("\u0160koda"));
  EXPECT_EQ(in.txtCountry->text(), "Mary-Jane");
  EXPECT_EQ(window.FrontView(), out.Frame2);
  Save("copy.tvl");
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ReadBytes(PathTo("copy.tvl")), FileOf(lines));
}

TEST_F(ReadingFilesTest, ANameSavedWithSurroundingSpacesComesBackWithout) {
  EnterExample(in);
  in.cmdCalculate->click();
  Save("asha.tvl");
  out.cmdBack->click();
  in.txtName->setText("Someone Else");
  Open("asha.tvl");
  EXPECT_EQ(in.txtName->text(), "Asha Rao");
  EXPECT_EQ(in.txtCity->text(), "Mumbai");
  EXPECT_EQ(ReadForm(in), AshaForm());
}

TEST_F(ReadingFilesTest, NamesNotEndingInLowerCaseTvlAreRefused) {
  CalculateAnotherChart();
  const BirthForm before = ReadForm(in);
  const QString reading = out.RTB->toPlainText();
  for (const QString name : {"asha.TVL", "asha.Tvl", "asha.tvl.bak", "asha"}) {
    sink.messages.clear();
    WriteBytes(PathTo(name), FileOf(AshaLines()));
    Open(name);
    EXPECT_EQ(sink.messages, std::vector{kCheckTheFile}) << name.toStdString();
    EXPECT_EQ(ReadForm(in), before) << name.toStdString();
    EXPECT_EQ(out.RTB->toPlainText(), reading) << name.toStdString();
    EXPECT_EQ(window.FrontView(), in.Frame1) << name.toStdString();
  }
}

// The message keeps its words; its details name the file and say why it was refused.
TEST_F(ReadingFilesTest, ARefusedFileIsNamedWithItsReason) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("folder.tvl"));
  WriteBytes(PathTo("asha.txt"), FileOf(AshaLines()));
  WriteBytes(PathTo("garbage.tvl"), "not a reading\r\n");
  const std::array<std::pair<const char*, const char*>, 4> cases{{
      {"asha.txt", "Its name does not end in \"tvl\"."},
      {"missing.tvl", "The file is missing or may not be read."},
      {"folder.tvl", "It is a folder or a device, not a file."},
      {"garbage.tvl", "Its content is not a reading, or it is damaged."},
  }};
  for (const auto& [name, reason] : cases) {
    sink.messages.clear();
    sink.details.clear();
    Open(name);
    EXPECT_EQ(sink.messages, std::vector{kCheckTheFile}) << name;
    EXPECT_EQ(sink.details,
              std::vector<std::string>{"File: " + PathTo(name).toStdString() + "\n" + reason});
  }
}

TEST_F(ReadingFilesTest, CancellingTheOpenDialogChangesNothing) {
  CalculateAnotherChart();
  const BirthForm before = ReadForm(in);
  in.cmdOpen->click();
  EXPECT_EQ(chooser.openRequests.size(), 1u);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ReadForm(in), before);
  EXPECT_EQ(window.FrontView(), in.Frame1);
}

TEST_F(ReadingFilesTest, ADamagedFileIsRefusedAndChangesNothing) {
  CalculateAnotherChart();
  const BirthForm form = ReadForm(in);
  const ChartCaptions captions = ShownCaptions(*out.chart);
  const QString reading = out.RTB->toPlainText();
  Save("before.tvl");
  std::string fiveLines;
  for (int line = 0; line < 5; ++line) fiveLines += ScrambleText(AshaLines()[line]) + "\r\n";
  WriteBytes(PathTo("damaged.tvl"), fiveLines);
  Open("damaged.tvl");
  EXPECT_EQ(sink.messages, std::vector{kCheckTheFile});
  EXPECT_EQ(ReadForm(in), form);
  EXPECT_EQ(ShownCaptions(*out.chart), captions);
  EXPECT_EQ(out.RTB->toPlainText(), reading);
  EXPECT_EQ(window.FrontView(), in.Frame1);
  // The birth data a save writes is still the last calculation's.
  Save("after.tvl");
  EXPECT_EQ(ReadBytes(PathTo("after.tvl")), ReadBytes(PathTo("before.tvl")));
}

struct OffGlobeCase {
  int line;
  std::string text;
  DigitText BirthForm::*box;
  FormField field;
  std::string message;
};

// A file may hold any digits; coordinates no place has get the form's own message, the file's
// values stay on show for the user to correct, and no chart is drawn.
TEST_F(ReadingFilesTest, CoordinatesOffTheGlobeFillTheFormAndSayWhyWithoutAChart) {
  const OffGlobeCase cases[] = {
      {9, "91", &BirthForm::txtLatDeg, FormField::txtLatDeg, "Please Enter Correct Latitude"},
      {10, "60", &BirthForm::txtLatMin, FormField::txtLatMin, "Please Enter Correct Latitude"},
      {7, "181", &BirthForm::txtLonDeg, FormField::txtLonDeg, "Please Enter Correct Longitude"},
      {8, "75", &BirthForm::txtLonMin, FormField::txtLonMin, "Please Enter Correct Longitude"},
  };
  CalculateAnotherChart();
  const ChartCaptions captions = ShownCaptions(*out.chart);
  const QString reading = out.RTB->toPlainText();
  for (const auto& [line, text, box, field, message] : cases) {
    sink.messages.clear();
    in.cmdOpen->setFocus();
    LineTexts lines = AshaLines();
    lines[static_cast<std::size_t>(line)] = text;
    WriteBytes(PathTo("far.tvl"), FileOf(lines));
    Open("far.tvl");
    EXPECT_EQ(sink.messages, (std::vector{ShownMessage{message, MessageIcon::Error}})) << text;
    BirthForm expected = AshaForm();
    expected.*box = *DigitText::Parse(text);
    EXPECT_EQ(ReadForm(in), expected) << text;
    EXPECT_EQ(window.focusWidget(), TextBox(in, field)) << text;
    EXPECT_EQ(window.FrontView(), in.Frame1) << text;
    EXPECT_EQ(ShownCaptions(*out.chart), captions) << text;
    EXPECT_EQ(out.RTB->toPlainText(), reading) << text;
  }
}

struct FailedSave {
  QString name;
  std::string reason;
};

TEST_F(ReadingFilesTest, AFailedSaveNamesTheFileAndTheReason) {
  WriteBytes(PathTo("plain"), "not a folder");
  const FailedSave cases[] = {{"missing/asha.tvl", "No such file or directory"},
                              {"plain/asha.tvl", "Not a directory"}};
  EnterExample(in);
  in.cmdCalculate->click();
  for (const auto& [name, reason] : cases) {
    sink.messages.clear();
    Save(name);
    ASSERT_EQ(sink.messages.size(), 1u) << name.toStdString();
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
    EXPECT_NE(sink.messages[0].text.find(PathTo(name).toStdString()), std::string::npos)
        << sink.messages[0].text;
    EXPECT_NE(sink.messages[0].text.find(reason), std::string::npos) << sink.messages[0].text;
    EXPECT_FALSE(QFile::exists(PathTo(name)));
    EXPECT_EQ(window.LastSavePath, PathTo(name));
    EXPECT_EQ(window.FrontView(), out.Frame2);
  }
}

TEST_F(ReadingFilesTest, AFailedSaveLeavesTheOldFileAsItWas) {
  WriteBytes(PathTo("old.tvl"), "old reading");
  // Even root is refused a file without the owner's write permission.
  QFile::setPermissions(PathTo("old.tvl"), QFile::ReadOwner | QFile::ReadGroup);
  EnterExample(in);
  in.cmdCalculate->click();
  Save("old.tvl");
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_NE(sink.messages[0].text.find(PathTo("old.tvl").toStdString()), std::string::npos);
  EXPECT_EQ(ReadBytes(PathTo("old.tvl")), "old reading");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.tvl"});
}

}  // namespace
}  // namespace tarvel::testing
