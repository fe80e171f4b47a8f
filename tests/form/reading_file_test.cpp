#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "chart/skies.h"
#include "form/calculation_driver.h"
#include "form/open_reading.h"
#include "form/reading_file_reader.h"
#include "form/reading_file_writer.h"
#include "form/scramble.h"
#include "reading_file_test_support.h"

namespace tarvel {
namespace {

using testing::AshaBirth;
using testing::AshaForm;
using testing::AshaLines;
using testing::FileOf;
using testing::kAshaZoneRow;
using testing::LineTexts;
using testing::SplitCrLf;

std::vector<std::string> DecodedLines(std::string_view bytes) {
  std::vector<std::string> decoded;
  for (const std::string& line : SplitCrLf(bytes)) decoded.push_back(UnscrambleText(line));
  return decoded;
}

std::vector<std::string> Lines(const LineTexts& texts) {
  return {texts.begin(), texts.end()};
}

TEST(ReadingFileBytesTest, ExampleGivesSeventeenLinesOfTheBirthData) {
  EXPECT_EQ(DecodedLines(ReadingFileBytes(AshaBirth(), RowZone(kAshaZoneRow))), Lines(AshaLines()));
}

TEST(ReadingFileBytesTest, ExampleBytesAreShiftedBy85) {
  const std::string bytes = ReadingFileBytes(AshaBirth(), RowZone(kAshaZoneRow));
  // 63 value bytes and 17 CR LF pairs.
  EXPECT_EQ(bytes.size(), 97u);
  const auto lines = SplitCrLf(bytes);
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[0], "\x96\xC8\xBD\xB6u\xA7\xB6\xC4");  // "Asha Rao"
  EXPECT_EQ(lines[1], "\x88");                           // "3"
  EXPECT_EQ(lines[3], "\x86\x8E\x8D\x85");               // "1980"
  EXPECT_EQ(lines[11], "\xA9\xC7\xCA\xBA");              // "True"
  EXPECT_EQ(lines[16], "\x9E\xC3\xB9\xBE\xB6");          // "India"
}

TEST(ReadingFileBytesTest, ValuesLoseTheirSurroundingSpaces) {
  BirthData birth = AshaBirth();
  birth.BirthName = "  Asha Rao  ";
  birth.BirthCountry = " India ";
  EXPECT_EQ(DecodedLines(ReadingFileBytes(birth, RowZone(kAshaZoneRow))), Lines(AshaLines()));
}

TEST(ReadingFileBytesTest, NamesAndPlacesAreWrittenInWindows1252) {
  BirthData birth = AshaBirth();
  birth.BirthName = "\u0160ar\u00AA";      // Windows-1252 8A 61 72 AA
  birth.BirthCity = "\u20AC\u00A0\u2122";  // 80 A0 99
  const auto lines = SplitCrLf(ReadingFileBytes(birth, RowZone(kAshaZoneRow)));
  ASSERT_EQ(lines.size(), 17u);
  // Each byte shifted by 85: 8A -> DF, 61 -> B6, 72 -> C7, AA -> FF; 80 -> D5, A0 -> F5, 99 -> EE.
  EXPECT_EQ(lines[0], "\xDF\xB6\xC7\xFF");
  EXPECT_EQ(lines[14], "\xD5\xF5\xEE");
}

struct UnsavableCase {
  std::string BirthData::*text;
  std::string_view value;
  std::string_view message;
};

// Above code 170 a shifted byte would pass 255; a control character is never saved.
const UnsavableCase kUnsavableCases[] = {
    {&BirthData::BirthName, "Zo\u00EB",
     "the name holds \"\u00EB\" (U+00EB), which a reading file cannot hold"},
    {&BirthData::BirthCity, "Z\u00FCrich",
     "the city holds \"\u00FC\" (U+00FC), which a reading file cannot hold"},
    {&BirthData::BirthState, "\u6771\u4EAC",
     "the state holds \"\u6771\" (U+6771), which a reading file cannot hold"},
    {&BirthData::BirthName, "Asha\tRao",
     "the name holds the control character U+0009, which a reading file cannot hold"},
    {&BirthData::BirthCountry, "\u0081",
     "the country holds the control character U+0081, which a reading file cannot hold"},
};

TEST(ReadingFileBytesTest, TextsAFileCannotHoldAreNamedNotSaved) {
  EXPECT_EQ(UnsavableText(AshaBirth()), std::nullopt);
  for (const auto& [text, value, message] : kUnsavableCases) {
    BirthData birth = AshaBirth();
    birth.*text = value;
    EXPECT_EQ(UnsavableText(birth), std::string(message)) << value;
  }
}

TEST(ReadingFileBytesTest, FlagsAreTrueWhenNonzero) {
  BirthData birth = AshaBirth();
  birth.IsEast = kFalse;
  birth.IsSouth = 1;
  birth.IsDST = kTrue;
  const auto decoded = DecodedLines(ReadingFileBytes(birth, RowZone(0)));
  ASSERT_EQ(decoded.size(), 17u);
  EXPECT_EQ(decoded[6], "0");
  EXPECT_EQ(decoded[11], "False");
  EXPECT_EQ(decoded[12], "True");
  EXPECT_EQ(decoded[13], "True");
}

TEST(ParseReadingFileTest, RestoresTheExampleForm) {
  EXPECT_EQ(ParseReadingFile(FileOf(AshaLines())), AshaForm());
}

TEST(ParseReadingFileTest, RestoresTheLastEntryOfEveryList) {
  LineTexts texts = AshaLines();
  texts[1] = "12";
  texts[2] = "31";
  texts[3] = "2050";
  texts[4] = "23";
  texts[5] = "59";
  texts[6] = "70";
  const auto form = ParseReadingFile(FileOf(texts));
  ASSERT_TRUE(form.has_value());
  EXPECT_EQ(form->cboMonth, 11);
  EXPECT_EQ(form->cboDate, 30);
  EXPECT_EQ(form->cboYear, 2050 - kFirstYear);
  EXPECT_EQ(form->cboHour, 23);
  EXPECT_EQ(form->cboMinute, 59);
  EXPECT_EQ(form->cboTimeZone, 70);
}

struct TruthCase {
  std::string_view text;
  bool value;
};

constexpr TruthCase kTruthCases[] = {
    {"True", true},   {"true", true},   {"TRUE", true}, {"tRuE", true}, {"False", false},
    {"false", false}, {"FALSE", false}, {"1", true},    {"-1", true},   {"2", true},
    {"0", false},     {"-0", false},    {"0.5", true},  {"0.0", false}, {"+3", true},
};

TEST(ParseReadingFileTest, YesNoLinesTakeTruthValuesAndNumbers) {
  for (const auto& [text, value] : kTruthCases) {
    LineTexts texts = AshaLines();
    texts[11] = texts[12] = texts[13] = text;
    const auto form = ParseReadingFile(FileOf(texts));
    ASSERT_TRUE(form.has_value()) << text;
    EXPECT_EQ(form->optLong, value ? LongitudeChoice::East : LongitudeChoice::West) << text;
    EXPECT_EQ(form->optLat, value ? LatitudeChoice::South : LatitudeChoice::North) << text;
    EXPECT_EQ(form->chkDST, value) << text;
  }
}

TEST(ParseReadingFileTest, RefusesLinesAfterTheSeventeenthThatAreNoSecondsAndZone) {
  EXPECT_EQ(ParseReadingFile(FileOf(AshaLines()) + ScrambleText("Extra") + "\r\n"), std::nullopt);
}

TEST(ParseReadingFileTest, AcceptsLineFeedEndingsAndAnUnendedLastLine) {
  std::string bytes;
  for (const std::string& text : AshaLines()) bytes += ScrambleText(text) + "\n";
  EXPECT_EQ(ParseReadingFile(bytes), AshaForm());
  bytes.pop_back();
  EXPECT_EQ(ParseReadingFile(bytes), AshaForm());
}

TEST(ParseReadingFileTest, EncodedBytesBelow85AreLost) {
  std::string bytes = FileOf(AshaLines());
  bytes.insert(2, "A\t");  // inside the name line
  EXPECT_EQ(ParseReadingFile(bytes), AshaForm());
}

TEST(ParseReadingFileTest, EmptyTextLinesEmptyTheirBoxes) {
  // A name or place of spaces passes validation and is saved as an empty line.
  LineTexts texts = AshaLines();
  texts[0] = "";
  texts[14] = "";
  BirthForm expected = AshaForm();
  expected.txtName = "";
  expected.txtCity = "";
  EXPECT_EQ(ParseReadingFile(FileOf(texts)), expected);
}

struct DamageCase {
  int line;
  std::string_view text;
};

// Name and place lines are damaged only by what no save writes: a control character (line
// breaks and tabs among them) or a code Windows-1252 leaves undefined.
constexpr DamageCase kDamageCases[] = {
    {1, "0"},         {1, "13"},         {1, ""},
    {1, "March"},     {1, "3.0"},        {1, " 3"},
    {2, "0"},         {2, "32"},         {2, "05"},
    {2, ""},          {3, "1799"},       {3, "2400"},
    {3, "80"},        {4, "24"},         {4, "-1"},
    {5, "60"},        {5, "07"},         {6, "71"},
    {6, "-1"},        {6, ""},           {6, "99999999999"},
    {7, ""},          {7, "1234"},       {8, "4a"},
    {9, "-18"},       {10, "5 8"},       {11, "yes"},
    {11, ""},         {12, "Tru"},       {12, "True "},
    {13, "."},        {13, "1x"},        {0, "Asha\tRao"},
    {0, "Asha\nRao"}, {0, "\x01"},       {14, "Mumbai\r"},
    {14, "Mum\x7F"},  {15, "\x81"},      {15, "Maha\x8Drashtra"},
    {16, "\x8F"},     {16, "India\x90"}, {16, "\x9D"},
    {16, "\t"},
};

struct TextLineCase {
  int line;
  std::string BirthForm::*box;
  std::string_view text;  ///< Windows-1252
  std::string_view form;  ///< UTF-8
};

// Texts pasted into the boxes of the program the format comes from, saved there.
const TextLineCase kTextLineCases[] = {
    {kLineName, &BirthForm::txtName, "O'Brien", "O'Brien"},
    {kLineName, &BirthForm::txtName, "Mary-Jane", "Mary-Jane"},
    {kLineName, &BirthForm::txtName, " Asha Rao  ", " Asha Rao  "},
    {kLineCity, &BirthForm::txtCity, "St Louis 2", "St Louis 2"},
    {kLineState, &BirthForm::txtState, "\x8Akoda", "\u0160koda"},
    {kLineCountry, &BirthForm::txtCountry, "\x80\x93x\x94\xAA", "\u20AC\u201Cx\u201D\u00AA"},
};

TEST(ParseReadingFileTest, NamesAndPlacesOpenAsTheyStandInUtf8) {
  for (const auto& [line, box, text, shown] : kTextLineCases) {
    LineTexts texts = AshaLines();
    texts[line] = text;
    const auto form = ParseReadingFile(FileOf(texts));
    ASSERT_TRUE(form.has_value()) << "line " << line << ": " << text;
    BirthForm expected = AshaForm();
    expected.*box = shown;
    EXPECT_EQ(*form, expected) << "line " << line << ": " << text;
  }
}

TEST(ParseReadingFileTest, RefusesDamagedLines) {
  for (const auto& [line, text] : kDamageCases) {
    LineTexts texts = AshaLines();
    texts[line] = text;
    EXPECT_EQ(ParseReadingFile(FileOf(texts)), std::nullopt) << "line " << line << ": " << text;
  }
}

TEST(ParseReadingFileTest, RefusesFilesOfFewerThanSeventeenLines) {
  const std::string bytes = FileOf(AshaLines());
  EXPECT_EQ(ParseReadingFile(""), std::nullopt);
  EXPECT_EQ(ParseReadingFile(bytes.substr(0, bytes.rfind("\r\n", bytes.size() - 3) + 2)),
            std::nullopt);
}

class OpenReadingBytesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A different chart is on show: the load defaults with a name and a place.
    form.txtName = "Ravi";
    form.txtLatDeg = form.txtLatMin = form.txtLonDeg = form.txtLonMin = *DigitText::Parse("1");
    form.txtCity = form.txtState = form.txtCountry = "X";
    ReadBirthData(form, state);
    RunCalculationChain(state, sky);
  }

  const Skies skies;
  const Sky& sky = skies.For({});
  BirthForm form;
  ChartState state;
};

TEST_F(OpenReadingBytesTest, ReplacesFormBirthDataAndChart) {
  const ChartResult before = state.Chart;
  ASSERT_EQ(OpenReadingBytes(FileOf(AshaLines()), form, state, skies), std::nullopt);
  EXPECT_EQ(form, AshaForm());
  EXPECT_EQ(state.BirthData, AshaBirth());
  EXPECT_NE(state.Chart, before);

  // The chart is the one a calculation of the restored form gives.
  ChartState calculated;
  ReadBirthData(AshaForm(), calculated);
  RunCalculationChain(calculated, sky);
  EXPECT_EQ(state.Chart, calculated.Chart);
}

TEST_F(OpenReadingBytesTest, OpeningThenSavingGivesTheSameBytes) {
  const std::string saved = ReadingFileBytes(AshaBirth(), RowZone(kAshaZoneRow));
  ASSERT_EQ(OpenReadingBytes(saved, form, state, skies), std::nullopt);
  EXPECT_EQ(ReadingFileBytes(state.BirthData, state.Zone), saved);
}

// The form holds every year some sky computes; the classic sky names the one that does.
TEST_F(OpenReadingBytesTest, AReadingOf1850FillsTheFormAndTheClassicSkyNamesThePreciseSky) {
  LineTexts texts = AshaLines();
  texts[kLineYear] = "1850";
  ASSERT_EQ(OpenReadingBytes(FileOf(texts), form, state, skies), std::nullopt);
  EXPECT_EQ(FormCivilTime(form).year, 1850);
  EXPECT_EQ(state.Chart.error,
            "The classic sky computes 1900 to 2050; choose the precise sky (Sky menu, or --sky "
            "swiss) for 1850.");
}

TEST_F(OpenReadingBytesTest, DamagedFileIsRefusedAndChangesNothing) {
  const BirthForm formBefore = form;
  const ChartState stateBefore = state;
  for (const auto& [line, text] : kDamageCases) {
    LineTexts texts = AshaLines();
    texts[line] = text;
    const auto error = OpenReadingBytes(FileOf(texts), form, state, skies);
    EXPECT_EQ(error, FileError{"Please Check The File."}) << "line " << line << ": " << text;
    EXPECT_EQ(form, formBefore);
    EXPECT_EQ(state.BirthData, stateBefore.BirthData);
    EXPECT_EQ(state.Chart, stateBefore.Chart);
  }
}

struct OffGlobeCase {
  std::string_view latDeg, latMin, lonDeg, lonMin;
  std::string_view message;  ///< empty for a place on the globe
  FormField focus;
};

// Off the globe: beyond the poles, minutes of a full hour, beyond the antimeridian.
constexpr OffGlobeCase kOffGlobeCases[] = {
    {"91", "0", "72", "49", "Please Enter Correct Latitude", FormField::txtLatDeg},
    {"999", "999", "999", "999", "Please Enter Correct Latitude", FormField::txtLatDeg},
    {"90", "1", "72", "49", "Please Enter Correct Latitude", FormField::txtLatMin},
    {"18", "60", "72", "49", "Please Enter Correct Latitude", FormField::txtLatMin},
    {"18", "58", "181", "0", "Please Enter Correct Longitude", FormField::txtLonDeg},
    {"18", "58", "180", "1", "Please Enter Correct Longitude", FormField::txtLonMin},
    {"18", "58", "72", "60", "Please Enter Correct Longitude", FormField::txtLonMin},
    {"90", "0", "180", "0", "", FormField::txtLatDeg},
    {"0", "59", "0", "59", "", FormField::txtLatDeg},
};

TEST_F(OpenReadingBytesTest, CoordinatesOffTheGlobeFillTheFormButComputeNothing) {
  const ChartState stateBefore = state;
  for (const OffGlobeCase& c : kOffGlobeCases) {
    LineTexts texts = AshaLines();
    texts[kLineLatDeg] = c.latDeg;
    texts[kLineLatMin] = c.latMin;
    texts[kLineLonDeg] = c.lonDeg;
    texts[kLineLonMin] = c.lonMin;
    BirthForm expected = AshaForm();
    expected.txtLatDeg = *DigitText::Parse(c.latDeg);
    expected.txtLatMin = *DigitText::Parse(c.latMin);
    expected.txtLonDeg = *DigitText::Parse(c.lonDeg);
    expected.txtLonMin = *DigitText::Parse(c.lonMin);
    const auto error = OpenReadingBytes(FileOf(texts), form, state, skies);
    EXPECT_EQ(form, expected) << c.latDeg << " " << c.latMin << " " << c.lonDeg << " " << c.lonMin;
    if (c.message.empty()) {
      EXPECT_EQ(error, std::nullopt);
      EXPECT_EQ(state.BirthData.LatDeg, expected.txtLatDeg.Value());
      continue;
    }
    EXPECT_EQ(error, (FileError{std::string(c.message), c.focus, {}, MessageIcon::Error, true}))
        << c.latDeg << " " << c.lonDeg;
    EXPECT_EQ(state.BirthData, stateBefore.BirthData);
    EXPECT_EQ(state.Chart, stateBefore.Chart);
  }
}

TEST_F(OpenReadingBytesTest, SavingThenOpeningGivesBackTheTexts) {
  BirthData birth = AshaBirth();
  birth.BirthName = "O'Brien \u0160\u0152 \u201Cx\u201D";
  birth.BirthCity = "St Louis 2";
  birth.BirthState = "Mary-Jane's";
  birth.BirthCountry = "\u20AC\u00A0\u2122\u00AA ~!";
  ASSERT_EQ(UnsavableText(birth), std::nullopt);
  ASSERT_EQ(OpenReadingBytes(ReadingFileBytes(birth, RowZone(kAshaZoneRow)), form, state, skies),
            std::nullopt);
  EXPECT_EQ(form.txtName, birth.BirthName);
  EXPECT_EQ(form.txtCity, birth.BirthCity);
  EXPECT_EQ(form.txtState, birth.BirthState);
  EXPECT_EQ(form.txtCountry, birth.BirthCountry);
  EXPECT_EQ(state.BirthData, birth);
}

}  // namespace
}  // namespace tarvel
