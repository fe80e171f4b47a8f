#include "form/validation.h"

#include <algorithm>
#include <array>

#include "form/key_classes.h"

namespace tarvel {
namespace {

struct EmptyBoxRule {
  FormField field;
  std::string_view message;
};

// Tested in this order; the first empty box decides. "Minute" in the longitude rule and
// "Minutes" in the latitude rule are the program's own wording.
constexpr std::array<EmptyBoxRule, 8> kEmptyBoxRules{{
    {FormField::txtName, "Please Enter Your Name"},
    {FormField::txtLatDeg, "Please Enter Degree of Latitude"},
    {FormField::txtLatMin, "Please Enter Minutes of Latitude"},
    {FormField::txtLonDeg, "Please Enter Degree of Longitude"},
    {FormField::txtLonMin, "Please Enter Minute of Longitude"},
    {FormField::txtCity, "Please Enter Your City name"},
    {FormField::txtState, "Please Enter Your State name"},
    {FormField::txtCountry, "Please Enter Your Country name"},
}};

constexpr std::string_view kLatitudeDirectionMessage = "Please Select Direction For The Latitude";
constexpr std::string_view kLongitudeDirectionMessage = "Please Select Direction For The Longitude";
constexpr std::string_view kFebruaryMessage = "Please Enter Correct Date Or Month!";
constexpr std::string_view kThirtyDayMonthMessage = "Please Enter Correct Date Or Month !";

constexpr int kFebruary = 2;

bool IsCoordinateBox(FormField field) {
  return KeyClassOf(field) == KeyClass::Digits;
}

std::optional<Refusal> FindEmptyBox(const BirthForm& form, RequiredBoxes required) {
  for (const EmptyBoxRule& rule : kEmptyBoxRules) {
    if (required == RequiredBoxes::CoordinatesOnly && !IsCoordinateBox(rule.field)) continue;
    if (FieldText(form, rule.field).empty()) {
      return Refusal{rule.message, MessageIcon::Error, rule.field};
    }
  }
  return std::nullopt;
}

// A place beyond the poles or the antimeridian cannot exist; the degrees box takes the
// cursor when the degrees are wrong, the minutes box when only the minutes are.
std::optional<Refusal> FindImpossibleCoordinate(int degrees, int minutes, int maxDegrees,
                                                FormField degreesBox, FormField minutesBox,
                                                std::string_view message) {
  if (degrees > maxDegrees) return Refusal{message, MessageIcon::Error, degreesBox};
  if (minutes > 59 || (degrees == maxDegrees && minutes > 0)) {
    return Refusal{message, MessageIcon::Error, minutesBox};
  }
  return std::nullopt;
}

}  // namespace

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::optional<Refusal> FindRefusal(const BirthForm& form, RequiredBoxes required) {
  if (auto refusal = FindEmptyBox(form, required)) return refusal;
  if (form.optLat == LatitudeChoice::Neither) {
    return Refusal{kLatitudeDirectionMessage, MessageIcon::Error, std::nullopt,
                   MissingDirection::Latitude};
  }
  if (form.optLong == LongitudeChoice::Neither) {
    return Refusal{kLongitudeDirectionMessage, MessageIcon::Error, std::nullopt,
                   MissingDirection::Longitude};
  }
  if (auto refusal = FindImpossibleCoordinates(form)) return refusal;
  return FindImpossibleDate(form);
}

std::optional<Refusal> FindImpossibleCoordinates(const BirthForm& form) {
  if (auto refusal = FindImpossibleLatitude(form.txtLatDeg.Value(), form.txtLatMin.Value())) {
    return refusal;
  }
  return FindImpossibleLongitude(form.txtLonDeg.Value(), form.txtLonMin.Value());
}

std::optional<Refusal> FindImpossibleLatitude(int degrees, int minutes) {
  return FindImpossibleCoordinate(degrees, minutes, 90, FormField::txtLatDeg, FormField::txtLatMin,
                                  "Please Enter Correct Latitude");
}

std::optional<Refusal> FindImpossibleLongitude(int degrees, int minutes) {
  return FindImpossibleCoordinate(degrees, minutes, 180, FormField::txtLonDeg, FormField::txtLonMin,
                                  "Please Enter Correct Longitude");
}

std::optional<Refusal> FindImpossibleDate(const BirthForm& form) {
  const CivilTime date = FormCivilTime(form);
  return FindImpossibleDay(date.year, date.month, date.day);
}

std::optional<Refusal> FindImpossibleDay(int year, int month, int day) {
  const int daysInFebruary = IsLeapYear(year) ? 29 : 28;
  if (month == kFebruary && day > daysInFebruary) {
    return Refusal{kFebruaryMessage, MessageIcon::Information, std::nullopt};
  }
  const bool thirtyDayMonth = month == 4 || month == 6 || month == 9 || month == 11;
  if (thirtyDayMonth && day == 31) {
    return Refusal{kThirtyDayMonthMessage, MessageIcon::Information, std::nullopt};
  }
  return std::nullopt;
}

std::string_view EmptyBoxMessage(FormField field) {
  return std::ranges::find(kEmptyBoxRules, field, &EmptyBoxRule::field)->message;
}

std::optional<Refusal> ValidateInput(BirthForm& form, MessageSink& sink) {
  std::optional<Refusal> refusal = FindRefusal(form);
  if (!refusal) return std::nullopt;
  sink.ShowMessage(refusal->message, refusal->icon);
  if (refusal->missing == MissingDirection::Latitude) form.optLat = LatitudeChoice::North;
  if (refusal->missing == MissingDirection::Longitude) form.optLong = LongitudeChoice::East;
  return refusal;
}

}  // namespace tarvel
