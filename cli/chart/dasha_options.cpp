#include "cli/chart/dasha_options.h"

#include <ctime>
#include <sstream>

#include <date/date.h>

#include "cli/chart/quoted_input.h"

namespace tarvel::cli {
namespace {

std::optional<DashaDepth> ParseDashaDepth(std::string_view text) {
  if (text == "1") return DashaDepth::Mahadasha;
  if (text == "2") return DashaDepth::Antardasha;
  if (text == "3") return DashaDepth::Pratyantardasha;
  return std::nullopt;
}

// The refusal of a depth or a year given without the periods, or not understood.
std::optional<std::string> ReadParts(const DashaOptionTexts& texts, bool asked,
                                     DashaRequest& request) {
  for (const auto* given : {&texts.depth, &texts.year}) {
    if (*given && !asked) {
      return std::string(given == &texts.depth ? "--dasha-depth" : "--dasha-year") +
             " is for --dasha";
    }
  }
  if (texts.depth) {
    const auto depth = ParseDashaDepth(*texts.depth);
    if (!depth) return "dasha depth " + QuotedForMessage(*texts.depth) + " is not 1, 2 or 3";
    request.depth = *depth;
  }
  if (texts.year) {
    const auto year = ParseDashaYear(*texts.year);
    if (!year) {
      return "dasha year " + QuotedForMessage(*texts.year) + " is not " + DashaYearCommandNames();
    }
    request.year = *year;
  }
  return std::nullopt;
}

}  // namespace

void AddDashaOptions(CLI::App& command, DashaOptionTexts& texts) {
  command.add_flag("--dasha", texts.dasha,
                   "Also give the Vimshottari periods from the Moon's nakshatra and the balance "
                   "at birth");
  command.add_option("--dasha-depth", texts.depth,
                     "How deep the periods go: 1 mahadashas, 2 with their antardashas (the "
                     "default), 3 with the pratyantardashas");
  command.add_option(
      "--dasha-year", texts.year,
      "The year the periods are counted in: " + DashaYearCommandNames() + " (sidereal by default)");
}

std::variant<std::optional<DashaRequest>, std::string> ReadDashaOptions(
    const DashaOptionTexts& texts, bool implied) {
  const bool asked = texts.dasha || implied;
  DashaRequest request;
  if (auto refusal = ReadParts(texts, asked, request)) return *refusal;
  if (!asked) return std::optional<DashaRequest>();
  return std::optional(request);
}

std::optional<CalendarDay> ParseCalendarDay(std::string_view text) {
  std::istringstream in{std::string(text)};
  date::year_month_day day;
  in >> date::parse("%Y-%m-%d", day);
  const bool whole = in && in.peek() == std::char_traits<char>::eof();
  if (!whole || !day.ok() || day.year() < date::year{1} || day.year() > date::year{9999}) {
    return std::nullopt;
  }
  return CalendarDay{static_cast<int>(day.year()), static_cast<int>(unsigned(day.month())),
                     static_cast<int>(unsigned(day.day()))};
}

CalendarDay Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace tarvel::cli
