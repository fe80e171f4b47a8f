#include "app/window/form_mapping.h"

#include <QCheckBox>
#include <QRadioButton>

#include "window_fixture.h"

namespace tarvel::testing {
namespace {

BirthForm WestSouthForm() {
  BirthForm form;
  form.txtName = "  Mary Ann";
  form.cboDate = 30;
  form.cboMonth = 11;
  form.cboYear = 2050 - kFirstYear;
  form.cboHour = 23;
  form.cboMinute = 59;
  form.cboTimeZone = 70;
  form.txtLatDeg = *DigitText::Parse("033");
  form.txtLatMin = *DigitText::Parse("5");
  form.txtLonDeg = *DigitText::Parse("151");
  form.txtLonMin = *DigitText::Parse("12");
  form.txtCity = " Sydney ";
  form.txtState = "New South Wales";
  form.txtCountry = "Australia";
  form.chkDST = true;
  form.optLong = LongitudeChoice::West;
  form.optLat = LatitudeChoice::South;
  return form;
}

using FormMappingTest = WindowTest;

TEST_F(FormMappingTest, AFormShownIsTheFormRead) {
  BirthForm neither;
  neither.optLong = LongitudeChoice::Neither;
  neither.optLat = LatitudeChoice::Neither;
  for (const BirthForm& form : {WestSouthForm(), BirthForm{}, neither}) {
    WriteForm(form, in);
    EXPECT_EQ(ReadForm(in), form);
  }
}

TEST_F(FormMappingTest, ControlsShowTheFormsFields) {
  WriteForm(WestSouthForm(), in);
  EXPECT_EQ(in.txtName->text(), "  Mary Ann");
  EXPECT_EQ(in.cboDate->currentText(), "31");
  EXPECT_EQ(in.cboMonth->currentText(), "December");
  EXPECT_EQ(in.cboYear->currentText(), "2050");
  EXPECT_EQ(in.cboTimeZone->currentText(), "Yukon War Time,YWT,8.0");
  EXPECT_EQ(in.txtLatDeg->text(), "033");
  EXPECT_TRUE(in.chkDST->isChecked());
  EXPECT_TRUE(in.optLong[1]->isChecked());
  EXPECT_FALSE(in.optLong[0]->isChecked());
  EXPECT_TRUE(in.optLat[1]->isChecked());
}

// Validation selects "North" and "East" when neither direction is; the window shows it.
TEST_F(FormMappingTest, MissingDirectionsAreReportedAndSelected) {
  FillRequiredBoxes();
  BirthForm form = ReadForm(in);
  form.optLat = LatitudeChoice::Neither;
  form.optLong = LongitudeChoice::Neither;
  WriteDirections(form, in);
  in.cmdCalculate->click();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Please Select Direction For The Latitude"});
  EXPECT_TRUE(in.optLat[0]->isChecked());
  EXPECT_FALSE(in.optLong[0]->isChecked() || in.optLong[1]->isChecked());
  in.cmdCalculate->click();
  EXPECT_EQ(MessageTexts().back(), "Please Select Direction For The Longitude");
  EXPECT_TRUE(in.optLong[0]->isChecked());
  EXPECT_EQ(window.FrontView(), in.Frame1);
}

}  // namespace
}  // namespace tarvel::testing
