#include <QCheckBox>
#include <QFontMetrics>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "app/window/form_mapping.h"
#include "form/calculation_driver.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

// 14 November 1987, 6:45, Indian Time (row of "Indian Time, IST, -5.3"), 12 58 North,
// 77 35 East, typed as a user would.
void TypeExampleForm(const InputControls& in) {
  QTest::keyClicks(in.txtName, " Asha Rao");
  Choose(in.cboDate, "14");
  Choose(in.cboMonth, "November");
  Choose(in.cboYear, "1987");
  Choose(in.cboHour, "6");
  Choose(in.cboMinute, "45");
  Choose(in.cboTimeZone, "Indian Time, IST, -5.3");
  QTest::keyClicks(in.txtLatDeg, "12");
  QTest::keyClicks(in.txtLatMin, "58");
  QTest::keyClicks(in.txtLonDeg, "77");
  QTest::keyClicks(in.txtLonMin, "35");
  QTest::keyClicks(in.txtCity, "Bengaluru ");
  QTest::keyClicks(in.txtState, "Karnataka");
  QTest::keyClicks(in.txtCountry, "India");
}

// The same form, written out field by field rather than read from the window.
BirthForm ExampleForm() {
  BirthForm form;
  form.txtName = " Asha Rao";
  form.cboDate = 13;
  form.cboMonth = 10;
  form.cboYear = 1987 - kFirstYear;
  form.cboHour = 6;
  form.cboMinute = 45;
  form.cboTimeZone = *FindListEntry(FormList::cboTimeZone, "Indian Time, IST, -5.3");
  form.txtLatDeg = *DigitText::Parse("12");
  form.txtLatMin = *DigitText::Parse("58");
  form.txtLonDeg = *DigitText::Parse("77");
  form.txtLonMin = *DigitText::Parse("35");
  form.txtCity = "Bengaluru ";
  form.txtState = "Karnataka";
  form.txtCountry = "India";
  return form;
}

template <std::size_t N>
void ExpectTexts(const std::array<std::string, N>& shown,
                 const std::array<std::string, N>& expected, const char* name) {
  for (std::size_t index = 0; index < N; ++index) {
    EXPECT_EQ(shown[index], expected[index]) << name << " " << index;
  }
}

void ExpectChartShows(const RasiChartView& chart, const ChartCaptions& captions) {
  const ChartCaptions shown = ShownCaptions(chart);
  ExpectTexts(shown.lblSign, captions.lblSign, "lblSign");
  ExpectTexts(shown.lblPlanet, captions.lblPlanet, "lblPlanet");
  ExpectTexts(shown.lblPlanets_Name, captions.lblPlanets_Name, "lblPlanets_Name");
  ExpectTexts(shown.lblPlanets_Position, captions.lblPlanets_Position, "lblPlanets_Position");
}

// Each line of the box's text in the colour and emphases of its line.
void ExpectRunFormats(const QTextEdit& box, const std::vector<StyledRun>& runs) {
  QTextCursor cursor(box.document());
  for (const StyledRun& run : runs) {
    const QString text = QString::fromStdString(run.text) + '\n';
    const int start = cursor.position();
    cursor.setPosition(start + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
    if (text.trimmed().isEmpty()) {
      cursor.clearSelection();
      continue;  // line breaks alone carry no visible format
    }
    // The format after the first character of the line.
    QTextCursor probe(box.document());
    probe.setPosition(start + 1);
    const QTextCharFormat format = probe.charFormat();
    const Rgb& colour = run.style.colour;
    EXPECT_EQ(format.foreground().color(), QColor(colour.red, colour.green, colour.blue))
        << run.text;
    EXPECT_EQ(format.fontWeight() == QFont::Bold, run.style.heading) << run.text;
    // No line of the reading is a link, so none is drawn like one.
    EXPECT_FALSE(format.fontUnderline()) << run.text;
    cursor.clearSelection();
  }
}

using CalculationWindowTest = WindowTest;

TEST_F(CalculationWindowTest, TheResultViewShowsWhatTheCoreComputes) {
  TypeExampleForm(in);
  ASSERT_EQ(ReadForm(in), ExampleForm());
  in.cmdCalculate->click();
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(window.FrontView(), out.Frame2);
  const ExpectedView expected = CoreView(ExampleForm());
  ExpectChartShows(*out.chart, expected.captions);
  EXPECT_EQ(out.RTB->toPlainText(), PlainReading(expected.runs));
  ExpectRunFormats(*out.RTB, expected.runs);
}

TEST_F(CalculationWindowTest, LegendListAndHeadingsReadAsTheyShould) {
  TypeExampleForm(in);
  window.Menu().mnuCalculate->trigger();
  const QStringList legend{"S/Sun/Surya",     "Mo/Moon/Chandra", "Me/Mercury/Budha",
                           "V/Venus/Shukra",  "Ma/Mars/Mangala", "J/Jupiter/Guru",
                           "Sa/Saturn/Shani", "NN/N Node/Rahu",  "SN/S Node/Ketu"};
  const QStringList names{"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                          "Jupiter", "Saturn", "N Node",  "S Node"};
  const QRegularExpression shortPosition(
      "^\\d\\d (Ari|Tau|Gem|Can|Leo|Vir|Lib|Sco|Sag|Cap|"
      "Aqu|Pis) \\d\\d$");
  const ChartCaptions shown = ShownCaptions(*out.chart);
  for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
    const int p = static_cast<int>(planet);
    EXPECT_EQ(QString::fromStdString(shown.lblPlanet[planet]), legend[p]);
    EXPECT_EQ(QString::fromStdString(shown.lblPlanets_Name[planet]), names[p]);
    const QString position = QString::fromStdString(shown.lblPlanets_Position[planet]);
    EXPECT_TRUE(shortPosition.match(position).hasMatch()) << position.toStdString();
  }
  // Nine blocks in planet order, each a bold heading and an empty line at its end.
  const QStringList blocks = out.RTB->toPlainText().split("\n\n", Qt::SkipEmptyParts);
  ASSERT_EQ(blocks.size(), 9);
  for (int planet = 0; planet < 9; ++planet) {
    EXPECT_EQ(blocks[planet].section('\n', 0, 0), names[planet]);
    EXPECT_GE(blocks[planet].count('\n'), 1) << names[planet].toStdString();
  }
  EXPECT_TRUE(out.RTB->toPlainText().endsWith("\n\n"));
}

// The nodes stand 180 degrees apart, so their boxes are six signs apart.
TEST_F(CalculationWindowTest, TheNodesStandInOppositeBoxes) {
  TypeExampleForm(in);
  in.cmdCalculate->click();
  int northSign = -1;
  int southSign = -1;
  const ChartCaptions shown = ShownCaptions(*out.chart);
  for (int sign = 0; sign < kSignCount; ++sign) {
    const QStringList items =
        QString::fromStdString(shown.lblSign[static_cast<std::size_t>(sign)]).split(" / ");
    if (items.contains("NN")) northSign = sign;
    if (items.contains("SN")) southSign = sign;
  }
  ASSERT_GE(northSign, 0);
  ASSERT_GE(southSign, 0);
  EXPECT_EQ((northSign + 6) % 12, southSign);
}

// Each caption fits its box in the font the view draws it in: a position in Gemini keeps
// its last digit.
TEST_F(CalculationWindowTest, CaptionsFitTheirBoxes) {
  TypeExampleForm(in);
  in.cmdCalculate->click();
  ForEachText(out.chart->Layout(), [&](const PlacedText& text) {
    const QFontMetricsF metrics(text.font, out.chart);
    for (const QString& line : text.lines) {
      EXPECT_LE(metrics.horizontalAdvance(line), text.box.width()) << line.toStdString();
    }
    EXPECT_LE(metrics.height() + (text.lines.size() - 1) * metrics.lineSpacing(), text.box.height())
        << text.lines.join(' ').toStdString();
  });
}

TEST_F(CalculationWindowTest, BackKeepsEveryEntryAndRecalculatesTheSame) {
  TypeExampleForm(in);
  in.chkDST->setChecked(true);
  in.optLong[1]->setChecked(true);
  in.optLat[1]->setChecked(true);
  const BirthForm before = ReadForm(in);
  in.cmdCalculate->click();
  const QString reading = out.RTB->toPlainText();
  const std::string firstBox = ShownCaptions(*out.chart).lblSign[0];
  out.cmdBack->click();
  EXPECT_EQ(window.FrontView(), in.Frame1);
  EXPECT_EQ(ReadForm(in), before);
  in.cmdCalculate->click();
  EXPECT_EQ(window.FrontView(), out.Frame2);
  EXPECT_EQ(out.RTB->toPlainText(), reading);
  EXPECT_EQ(ShownCaptions(*out.chart).lblSign[0], firstBox);
  ExpectChartShows(*out.chart, CoreView(before).captions);
}

TEST_F(CalculationWindowTest, ASecondCalculationReplacesTheFirst) {
  TypeExampleForm(in);
  in.cmdCalculate->click();
  const QString firstReading = out.RTB->toPlainText();
  out.cmdBack->click();
  Choose(in.cboYear, "1950");
  Choose(in.cboMonth, "March");
  BirthForm second = ExampleForm();
  second.cboYear = 1950 - kFirstYear;
  second.cboMonth = 2;
  in.cmdCalculate->click();
  const ExpectedView expected = CoreView(second);
  ASSERT_NE(PlainReading(expected.runs), firstReading);
  EXPECT_EQ(out.RTB->toPlainText(), PlainReading(expected.runs));
  ExpectChartShows(*out.chart, expected.captions);
}

}  // namespace
}  // namespace tarvel::testing
