#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/birth_form.h"
#include "app/scramble.h"
#include "ephemeris/chart_state.h"
#include "form_test_support.h"

namespace tarvel::testing {

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

/// The lines of a file whose lines all end with CR LF; a missing last CR LF fails the test.
inline std::vector<std::string> SplitCrLf(std::string_view bytes) {
  std::vector<std::string> lines;
  for (auto end = bytes.find("\r\n"); end != std::string_view::npos; end = bytes.find("\r\n")) {
    lines.emplace_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 2);
  }
  if (!bytes.empty()) lines.emplace_back("<unterminated>");
  return lines;
}

}  // namespace tarvel::testing
