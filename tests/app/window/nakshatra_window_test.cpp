#include <QDate>
#include <QTemporaryDir>

#include "../../export/poppler.h"
#include "app/window/form_mapping.h"
#include "export/chart_card_layout.h"
#include "tests/form/example_birth.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

// The worked birth of 1 June 1972, 04:16 Indian time, 16°15′ N 81°12′ E, in the Swiss
// Ephemeris with Lahiri and the mean node: the Moon at 269.458°, 29°27′ Sagittarius, in
// Uttara Ashadha (266°40′ to 280°) pada 1 (to 270°), whose lord is the Sun.
class WorkedBirthWindowTest : public WindowTest {
 protected:
  WorkedBirthWindowTest() {
    BirthForm form = AshaForm();
    std::tie(form.cboDate, form.cboMonth, form.cboYear) = std::tuple(0, 5, 1972 - kFirstYear);
    std::tie(form.cboHour, form.cboMinute) = std::pair(4, 16);
    form.txtLatDeg = *DigitText::Parse("16");
    form.txtLatMin = *DigitText::Parse("15");
    form.txtLonDeg = *DigitText::Parse("81");
    form.txtLonMin = *DigitText::Parse("12");
    window.SkyMenu().mnuSwiss->trigger();
    WriteForm(form, in);
    in.cmdCalculate->click();
  }
};

// The Moon's navamsa is the ninth of a fire sign counted from Aries: Sagittarius again. The
// varga's column is headed and keeps the positions' size, which no longer make room for it.
TEST_F(WorkedBirthWindowTest, TheListAndTheMoonsBoxGiveItsNakshatraAndInAVargaSayWhose) {
  const struct {
    const char *chart, *heading, *varga, *sign;
  } cases[] = {{"D1 Rasi", "Nakshatra", "", ""}, {"D9 Navamsa", "Rasi nakshatra", "D9", "Sag"}};
  for (const auto& c : cases) {
    Choose(out.cboVarga, c.chart);
    const ChartCaptions shown = ShownCaptions(*out.chart);
    EXPECT_EQ(shown.nakshatraHeading, c.heading);
    EXPECT_EQ(shown.planetRows[Moon],
              (ListRow{"29 Sag 27", c.sign, "Uttara Ashadha", "pada 1, lord Sun"}));
    EXPECT_EQ(shown.vargaHeading, c.varga);
    const ChartCardLayout& card = out.chart->Layout();
    const int listPx = card.positions[0].font.pixelSize();
    EXPECT_TRUE(!*c.varga || card.vargaHeading.font.pixelSize() == listPx);
    EXPECT_TRUE(out.chart->accessibleDescription().contains(
        "Moon 29 Sag 27" + QString(*c.varga ? "  Sag" : "") +
        " in Uttara Ashadha, pada 1, lord Sun"));
    const QString note = out.chart->NoteAt(card.signBoxes[8].center());
    EXPECT_TRUE(note.contains(QString(c.heading) + ": Uttara Ashadha, pada 1, lord Sun"))
        << c.chart << ": " << note.toStdString();
  }
}

// The Sun's mahadasha runs from 28 February 1971 to 27 February 1977; by 1 June 1975 its
// antardashas have run 4.26 of its 6 years, within its 7th, Mercury's (3.8 to 4.65). Its own
// lasts 0.3 sidereal years, 109.58 days: to 17 June 1971.
TEST_F(WorkedBirthWindowTest, APdfGivesThePeriodsAfterTheSummaryThoseOfTheTabsDateMarked) {
  FakeChooser chooser;
  QTemporaryDir folder;
  window.SetFileChooser(chooser);
  chooser.answer = folder.filePath("worked.pdf");
  out.periods->DateBox()->setDate(QDate(1975, 6, 1));
  window.Menu().mnuExportPdf->trigger();
  const QString text = PdfText(folder.filePath("worked.pdf")).out;
  const qsizetype periods = text.indexOf("Vimshottari Periods");
  EXPECT_GT(periods, text.indexOf("Argala Summary"));
  EXPECT_GT(text.indexOf("Balance of the Sun's period at birth: 4 years 8 months 28 days"),
            periods);
  EXPECT_GT(text.indexOf("▶ Sun, 28 Feb 1971 – 27 Feb 1977"), periods);
  EXPECT_GT(text.indexOf("Sun–Sun, 28 Feb 1971 – 17 Jun 1971\n"), periods);
  EXPECT_GT(text.indexOf(QRegularExpression("▶\\s+Sun–Mercury, ")), periods);
  EXPECT_EQ(text.count(QRegularExpression("▶\\s+Sun")), 2);
  EXPECT_GT(text.indexOf(QRegularExpression("Sun(: | obstructs )"), periods), periods);
}

}  // namespace
}  // namespace tarvel::testing
