#include "app/window/form_mapping.h"
#include "export/chart_card_layout.h"
#include "tests/form/example_birth.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

// The worked birth of 1 June 1972, 04:16 Indian time, 16°15′ N 81°12′ E, in the Swiss
// Ephemeris with Lahiri and the mean node: the Moon at 269.458°, 29°27′ Sagittarius, in
// Uttara Ashadha (266°40′ to 280°) pada 1 (to 270°), whose lord is the Sun. Its navamsa is the
// ninth of a fire sign counted from Aries: Sagittarius again.
class NakshatraWindowTest : public WindowTest {
 protected:
  NakshatraWindowTest() {
    BirthForm form = AshaForm();
    form.cboDate = 0;
    form.cboMonth = 5;
    form.cboYear = 1972 - kFirstYear;
    form.cboHour = 4;
    form.cboMinute = 16;
    form.txtLatDeg = *DigitText::Parse("16");
    form.txtLatMin = *DigitText::Parse("15");
    form.txtLonDeg = *DigitText::Parse("81");
    form.txtLonMin = *DigitText::Parse("12");
    window.SkyMenu().mnuSwiss->trigger();
    WriteForm(form, in);
    in.cmdCalculate->click();
  }
  QString MoonsNote() const { return out.chart->NoteAt(out.chart->Layout().signBoxes[8].center()); }
};

TEST_F(NakshatraWindowTest, TheListAndTheMoonsBoxGiveItsNakshatraAndInAVargaSayWhose) {
  const struct {
    const char* chart;
    const char* heading;
    const char* vargaHeading;
    const char* vargaSign;
  } cases[] = {
      {"D1 Rasi", "Nakshatra", "", ""},
      {"D9 Navamsa", "Rasi nakshatra", "D9", "Sag"},
  };
  for (const auto& c : cases) {
    Choose(out.cboVarga, c.chart);
    const ChartCaptions shown = ShownCaptions(*out.chart);
    EXPECT_EQ(shown.nakshatraHeading, c.heading) << c.chart;
    EXPECT_EQ(shown.vargaHeading, c.vargaHeading) << c.chart;
    EXPECT_EQ(shown.planetRows[Moon].nakshatra, "Uttara Ashadha") << c.chart;
    EXPECT_EQ(shown.planetRows[Moon].padaAndLord, "pada 1, lord Sun") << c.chart;
    EXPECT_EQ(shown.planetRows[Moon].vargaSign, c.vargaSign) << c.chart;
    EXPECT_TRUE(MoonsNote().contains(QString(c.heading) + ": Uttara Ashadha, pada 1, lord Sun"))
        << c.chart << ": " << MoonsNote().toStdString();
  }
}

// The varga's column is headed, and its signs stand apart from the positions, which keep the
// list's size instead of shrinking to make room for them.
TEST_F(NakshatraWindowTest, AVargasColumnIsHeadedInTheListsTextSize) {
  Choose(out.cboVarga, "D9 Navamsa");
  const ChartCardLayout& card = out.chart->Layout();
  EXPECT_EQ(card.vargaHeading.lines, QStringList{"D9"});
  EXPECT_EQ(card.positions[Moon].lines, QStringList{"29 Sag 27"});
  const int listPx = card.positions[Moon].font.pixelSize();
  for (const PlacedText* text : {&card.vargaSigns[Moon], &card.vargaHeading}) {
    EXPECT_EQ(text->font.pixelSize(), listPx) << text->lines.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace tarvel::testing
