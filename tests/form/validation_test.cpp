#include "form/validation.h"

#include <gtest/gtest.h>

#include "form_test_support.h"

namespace tarvel {
namespace {

using testing::AshaForm;
using testing::RecordingSink;

DigitText Digits(std::string_view text) {
  return *DigitText::Parse(text);
}

TEST(ValidationTest, EmptyFormAsksForTheNameOnly) {
  BirthForm form;
  RecordingSink sink;
  const auto refusal = ValidateInput(form, sink);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->focus, FormField::txtName);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].first, "Please Enter Your Name");
  EXPECT_EQ(sink.messages[0].second, MessageIcon::Error);
}

// Emptying one box of a good form refuses it with that box's message; the earlier box wins.
TEST(ValidationTest, EachEmptyBoxHasItsMessageInOrder) {
  struct Case {
    FormField field;
    const char* message;
  };
  const Case cases[] = {
      {FormField::txtName, "Please Enter Your Name"},
      {FormField::txtLatDeg, "Please Enter Degree of Latitude"},
      {FormField::txtLatMin, "Please Enter Minutes of Latitude"},
      {FormField::txtLonDeg, "Please Enter Degree of Longitude"},
      {FormField::txtLonMin, "Please Enter Minute of Longitude"},
      {FormField::txtCity, "Please Enter Your City name"},
      {FormField::txtState, "Please Enter Your State name"},
      {FormField::txtCountry, "Please Enter Your Country name"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    BirthForm form = AshaForm();
    // Empty this box and every later one: the message must still name this box.
    for (std::size_t j = i; j < std::size(cases); ++j) {
      switch (cases[j].field) {
        case FormField::txtName:
          form.txtName.clear();
          break;
        case FormField::txtLatDeg:
          form.txtLatDeg = {};
          break;
        case FormField::txtLatMin:
          form.txtLatMin = {};
          break;
        case FormField::txtLonDeg:
          form.txtLonDeg = {};
          break;
        case FormField::txtLonMin:
          form.txtLonMin = {};
          break;
        case FormField::txtCity:
          form.txtCity.clear();
          break;
        case FormField::txtState:
          form.txtState.clear();
          break;
        case FormField::txtCountry:
          form.txtCountry.clear();
          break;
      }
    }
    const auto refusal = FindRefusal(form);
    ASSERT_TRUE(refusal) << cases[i].message;
    EXPECT_EQ(refusal->message, cases[i].message);
    EXPECT_EQ(refusal->focus, cases[i].field);
    EXPECT_EQ(refusal->icon, MessageIcon::Error);
  }
}

TEST(ValidationTest, BoxesOfSpacesCountAsFilled) {
  BirthForm form = AshaForm();
  form.txtName = " ";
  form.txtCity = " ";
  EXPECT_FALSE(FindRefusal(form));
}

TEST(ValidationTest, CommandLineMayLeaveOutNameAndPlace) {
  BirthForm form = AshaForm();
  form.txtName.clear();
  form.txtCity.clear();
  form.txtState.clear();
  form.txtCountry.clear();
  EXPECT_FALSE(FindRefusal(form, RequiredBoxes::CoordinatesOnly));
  form.txtLonMin = {};
  ASSERT_TRUE(FindRefusal(form, RequiredBoxes::CoordinatesOnly));
  EXPECT_EQ(FindRefusal(form, RequiredBoxes::CoordinatesOnly)->message,
            "Please Enter Minute of Longitude");
}

TEST(ValidationTest, MissingDirectionsAreReportedAndSelectedOneAtATime) {
  BirthForm form = AshaForm();
  form.optLat = LatitudeChoice::Neither;
  form.optLong = LongitudeChoice::Neither;
  RecordingSink sink;

  auto refusal = ValidateInput(form, sink);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->message, "Please Select Direction For The Latitude");
  EXPECT_FALSE(refusal->focus);
  EXPECT_EQ(form.optLat, LatitudeChoice::North);
  EXPECT_EQ(form.optLong, LongitudeChoice::Neither);

  refusal = ValidateInput(form, sink);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->message, "Please Select Direction For The Longitude");
  EXPECT_EQ(form.optLong, LongitudeChoice::East);

  EXPECT_FALSE(ValidateInput(form, sink));
  EXPECT_EQ(sink.messages.size(), 2u);
}

TEST(ValidationTest, EmptyBoxComesBeforeMissingDirection) {
  BirthForm form = AshaForm();
  form.txtCountry.clear();
  form.optLat = LatitudeChoice::Neither;
  RecordingSink sink;
  ASSERT_TRUE(ValidateInput(form, sink));
  EXPECT_EQ(sink.messages[0].first, "Please Enter Your Country name");
  EXPECT_EQ(form.optLat, LatitudeChoice::Neither);
}

// Places beyond the poles or the antimeridian are refused; the cursor goes to the box at fault.
TEST(ValidationTest, CoordinatesMustNameARealPlace) {
  struct Case {
    const char* latDeg;
    const char* latMin;
    const char* lonDeg;
    const char* lonMin;
    const char* message;  // nullptr: accepted
    FormField focus;
  };
  const Case cases[] = {
      {"90", "0", "180", "0", nullptr, FormField::txtName},
      {"0", "59", "0", "59", nullptr, FormField::txtName},
      {"999", "999", "72", "49", "Please Enter Correct Latitude", FormField::txtLatDeg},
      {"91", "0", "72", "49", "Please Enter Correct Latitude", FormField::txtLatDeg},
      {"90", "1", "72", "49", "Please Enter Correct Latitude", FormField::txtLatMin},
      {"45", "60", "72", "49", "Please Enter Correct Latitude", FormField::txtLatMin},
      {"18", "58", "181", "0", "Please Enter Correct Longitude", FormField::txtLonDeg},
      {"18", "58", "180", "1", "Please Enter Correct Longitude", FormField::txtLonMin},
      {"18", "58", "72", "60", "Please Enter Correct Longitude", FormField::txtLonMin},
      {"91", "0", "181", "0", "Please Enter Correct Latitude", FormField::txtLatDeg},
  };
  for (const Case& c : cases) {
    BirthForm form = AshaForm();
    form.txtLatDeg = Digits(c.latDeg);
    form.txtLatMin = Digits(c.latMin);
    form.txtLonDeg = Digits(c.lonDeg);
    form.txtLonMin = Digits(c.lonMin);
    const auto refusal = FindRefusal(form);
    const std::string where =
        std::string(c.latDeg) + ":" + c.latMin + " " + c.lonDeg + ":" + c.lonMin;
    if (!c.message) {
      EXPECT_FALSE(refusal) << where;
      continue;
    }
    ASSERT_TRUE(refusal) << where;
    EXPECT_EQ(refusal->message, c.message) << where;
    EXPECT_EQ(refusal->focus, c.focus) << where;
    EXPECT_EQ(refusal->icon, MessageIcon::Error);
  }
}

TEST(ValidationTest, MissingDirectionComesBeforeImpossibleCoordinate) {
  BirthForm form = AshaForm();
  form.txtLatDeg = Digits("999");
  form.optLong = LongitudeChoice::Neither;
  EXPECT_EQ(FindRefusal(form)->message, "Please Select Direction For The Longitude");
}

TEST(ValidationTest, DatesTheMonthDoesNotHaveAreRefused) {
  struct Case {
    int day;
    int month;
    int year;
    const char* message;  // nullptr: accepted
  };
  const char* february = "Please Enter Correct Date Or Month!";
  const char* thirtyDays = "Please Enter Correct Date Or Month !";
  const Case cases[] = {
      {29, 2, 2000, nullptr},    {29, 2, 2004, nullptr},    {28, 2, 1901, nullptr},
      {29, 2, 1901, february},   {29, 2, 1900, february},   {30, 2, 2000, february},
      {31, 2, 1980, february},   {30, 2, 1981, february},   {31, 4, 1980, thirtyDays},
      {31, 6, 1980, thirtyDays}, {31, 9, 1980, thirtyDays}, {31, 11, 1980, thirtyDays},
      {31, 3, 1980, nullptr},    {30, 4, 1980, nullptr},    {31, 12, 2050, nullptr},
      {1, 1, 1900, nullptr},
  };
  for (const Case& c : cases) {
    BirthForm form = AshaForm();
    form.cboDate = c.day - 1;
    form.cboMonth = c.month - 1;
    form.cboYear = c.year - kFirstYear;
    RecordingSink sink;
    const auto refusal = ValidateInput(form, sink);
    const std::string date =
        std::to_string(c.day) + "/" + std::to_string(c.month) + "/" + std::to_string(c.year);
    if (!c.message) {
      EXPECT_FALSE(refusal) << date;
      EXPECT_TRUE(sink.messages.empty()) << date;
      continue;
    }
    ASSERT_TRUE(refusal) << date;
    EXPECT_EQ(refusal->message, c.message) << date;
    EXPECT_EQ(refusal->icon, MessageIcon::Information) << date;
    EXPECT_FALSE(refusal->focus) << date;
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].second, MessageIcon::Information);
  }
}

TEST(ValidationTest, LeapYearsFollowTheGregorianRule) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(1996));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_FALSE(IsLeapYear(1999));
}

}  // namespace
}  // namespace tarvel
