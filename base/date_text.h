#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvel {

/// The months in English, January first, as the form lists them and the texts write them.
inline constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

/// The date in words: "5 March 1980"; a month outside 1-12 is written "month 13".
std::string DateText(int year, int month, int day);

/// The clock time: "02:30".
std::string ClockText(int hour, int minute);

}  // namespace tarvel
