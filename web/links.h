#pragma once

#include <string_view>

namespace tarvel::links {

// Every web address the program opens lives here. The project has no site of its own yet,
// so the addresses sit under the reserved example domain.
inline constexpr std::string_view kOnlineHelp = "https://tarvel.example.com/help/";
inline constexpr std::string_view kHomePage = "https://tarvel.example.com/";
inline constexpr std::string_view kUpdate = "https://tarvel.example.com/download/";
inline constexpr std::string_view kDonation = "https://tarvel.example.com/donate/";
inline constexpr std::string_view kFullBrand = "https://tarvel.example.com/full-brand/";
inline constexpr std::string_view kCoBrand = "https://tarvel.example.com/co-brand/";

// The finder's web search: a service that takes a GET field `q`, its front page (the finder's
// search page and the logo's link) and the logo shown on the search form.
inline constexpr std::string_view kSearchService = "https://html.duckduckgo.com/html/";
inline constexpr std::string_view kSearchServiceHome = "https://duckduckgo.com/";
inline constexpr std::string_view kSearchServiceLogo = "https://duckduckgo.com/favicon.ico";

}  // namespace tarvel::links
