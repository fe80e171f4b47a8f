#include <QTest>

#include "window_fixture.h"

namespace tarvel::testing {
namespace {

using ValidationWindowTest = WindowTest;

struct EmptyBoxCase {
  FormField field;
  const char* message;
};

// In the order the rules are tested; the box takes the cursor after the message.
constexpr std::array<EmptyBoxCase, 8> kEmptyBoxCases{{
    {FormField::txtName, "Please Enter Your Name"},
    {FormField::txtLatDeg, "Please Enter Degree of Latitude"},
    {FormField::txtLatMin, "Please Enter Minutes of Latitude"},
    {FormField::txtLonDeg, "Please Enter Degree of Longitude"},
    {FormField::txtLonMin, "Please Enter Minute of Longitude"},
    {FormField::txtCity, "Please Enter Your City name"},
    {FormField::txtState, "Please Enter Your State name"},
    {FormField::txtCountry, "Please Enter Your Country name"},
}};

TEST_F(ValidationWindowTest, EachEmptyBoxIsReportedAndTakesTheCursor) {
  for (const EmptyBoxCase& rule : kEmptyBoxCases) {
    sink.messages.clear();
    FillRequiredBoxes();
    TextBox(in, rule.field)->clear();
    in.cmdOpen->setFocus();
    in.cmdCalculate->click();
    EXPECT_EQ(sink.messages, (std::vector<ShownMessage>{{rule.message, MessageIcon::Error}}));
    EXPECT_EQ(window.focusWidget(), TextBox(in, rule.field)) << rule.message;
    EXPECT_EQ(window.FrontView(), in.Frame1) << rule.message;
  }
}

TEST_F(ValidationWindowTest, AnEmptyFormReportsTheNameOnly) {
  in.cmdCalculate->click();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Please Enter Your Name"});
  EXPECT_EQ(window.focusWidget(), in.txtName);
  EXPECT_TRUE(out.RTB->toPlainText().isEmpty());
}

TEST_F(ValidationWindowTest, NameOnlyReportsTheLatitudeDegrees) {
  in.txtName->setText("Asha");
  in.cmdCalculate->click();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Please Enter Degree of Latitude"});
}

TEST_F(ValidationWindowTest, BoxesOfSpacesPass) {
  FillRequiredBoxes();
  in.txtName->setText(" ");
  in.txtCity->setText(" ");
  in.cmdCalculate->click();
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(window.FrontView(), out.Frame2);
}

struct DateCase {
  const char* day;
  const char* month;
  const char* year;
  const char* message;  ///< empty when the date passes
};

constexpr std::array<DateCase, 10> kDateCases{{
    {"29", "February", "2000", ""},
    {"28", "February", "1901", ""},
    {"29", "February", "1901", "Please Enter Correct Date Or Month!"},
    {"30", "February", "2000", "Please Enter Correct Date Or Month!"},
    {"31", "February", "1999", "Please Enter Correct Date Or Month!"},
    {"31", "April", "1990", "Please Enter Correct Date Or Month !"},
    {"31", "June", "1990", "Please Enter Correct Date Or Month !"},
    {"31", "November", "2050", "Please Enter Correct Date Or Month !"},
    {"31", "March", "1990", ""},
    {"30", "April", "1990", ""},
}};

// Date refusals carry the information icon and leave the cursor where it was.
TEST_F(ValidationWindowTest, ImpossibleDatesAreRefused) {
  FillRequiredBoxes();
  for (const DateCase& date : kDateCases) {
    sink.messages.clear();
    out.cmdBack->click();
    Choose(in.cboDate, date.day);
    Choose(in.cboMonth, date.month);
    Choose(in.cboYear, date.year);
    in.cboYear->setFocus();
    in.cmdCalculate->click();
    const std::string label = std::string(date.day) + " " + date.month + " " + date.year;
    if (std::string_view(date.message).empty()) {
      EXPECT_TRUE(sink.messages.empty()) << label;
      EXPECT_EQ(window.FrontView(), out.Frame2) << label;
    } else {
      EXPECT_EQ(sink.messages,
                (std::vector<ShownMessage>{{date.message, MessageIcon::Information}}))
          << label;
      EXPECT_EQ(window.FrontView(), in.Frame1) << label;
      EXPECT_EQ(window.focusWidget(), in.cboYear) << label;
    }
  }
}

TEST_F(ValidationWindowTest, ARefusalFromTheMenuLeavesTheResultViewInFront) {
  FillRequiredBoxes();
  window.Menu().mnuCalculate->trigger();
  ASSERT_EQ(window.FrontView(), out.Frame2);
  const QString reading = out.RTB->toPlainText();
  in.txtCountry->clear();
  window.Menu().mnuCalculate->trigger();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Please Enter Your Country name"});
  EXPECT_EQ(window.FrontView(), out.Frame2);
  EXPECT_EQ(out.RTB->toPlainText(), reading);
}

}  // namespace
}  // namespace tarvel::testing
