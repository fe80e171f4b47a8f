#pragma once

#include <array>
#include <string_view>

namespace tarvel {

/// The months in English, January first, as the form lists them and the exports write them.
inline constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

}  // namespace tarvel
