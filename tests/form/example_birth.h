#pragma once

#include <array>
#include <string>

#include "base/birth_data.h"
#include "form/birth_form.h"
#include "form/scramble.h"

// The example birth the tests share: Asha Rao, born 5 March 1980 at 14:07 in Mumbai.
namespace tarvel::testing {

/// A form that passes validation: 5 March 1980, 14:07, Indian time (row 34), 18° 58' N,
/// 72° 49' E, no daylight saving.
inline BirthForm AshaForm() {
  BirthForm form;
  form.txtName = "Asha Rao";
  form.cboDate = 4;
  form.cboMonth = 2;
  form.cboYear = 1980 - kFirstYear;
  form.cboHour = 14;
  form.cboMinute = 7;
  form.cboTimeZone = 34;
  form.txtLatDeg = *DigitText::Parse("18");
  form.txtLatMin = *DigitText::Parse("58");
  form.txtLonDeg = *DigitText::Parse("72");
  form.txtLonMin = *DigitText::Parse("49");
  form.txtCity = "Mumbai";
  form.txtState = "Maharashtra";
  form.txtCountry = "India";
  return form;
}

/// The plain texts of the 17 lines of a reading file, in file order.
using LineTexts = std::array<std::string, 17>;

/// 5 March 1980, 14:07, zone row 34 (Indian time), 18 deg 58' N, 72 deg 49' E, no DST.
inline BirthData AshaBirth() {
  BirthData birth;
  birth.BirthName = "Asha Rao";
  birth.BirthMonth = 3;
  birth.BirthDay = 5;
  birth.BirthYear = 1980;
  birth.BirthHour = 14;
  birth.BirthMinute = 7;
  birth.ZoneHours = 5;
  birth.ZoneMinutes = 30;
  birth.LonDeg = 72;
  birth.LonMin = 49;
  birth.LatDeg = 18;
  birth.LatMin = 58;
  birth.IsEast = kTrue;
  birth.IsSouth = kFalse;
  birth.IsDST = kFalse;
  birth.BirthCity = "Mumbai";
  birth.BirthState = "Maharashtra";
  birth.BirthCountry = "India";
  return birth;
}

inline constexpr int kAshaZoneRow = 34;

/// The decoded lines a save of AshaBirth at zone row 34 must give.
inline LineTexts AshaLines() {
  return {"Asha Rao", "3",  "5",    "1980",  "14",    "7",      "34",          "72",   "49",
          "18",       "58", "True", "False", "False", "Mumbai", "Maharashtra", "India"};
}

/// A file of these plain texts, each scrambled and ended by CR LF.
inline std::string FileOf(const LineTexts& texts) {
  std::string bytes;
  for (const std::string& text : texts) bytes += ScrambleText(text) + "\r\n";
  return bytes;
}

}  // namespace tarvel::testing
