#include "atlas/zone_row_names.h"

#include <algorithm>
#include <array>
#include <span>

namespace tarvel {
namespace {

using RowNames = std::span<const std::string_view>;

constexpr std::array<std::string_view, 3> kEastern{"Eastern Standard Time", "Eastern Daylight Time",
                                                   "Eastern War Time"};
constexpr std::array<std::string_view, 3> kCentral{"Central Standard Time", "Central Daylight Time",
                                                   "Central War Time"};
constexpr std::array<std::string_view, 3> kMountain{"Mountain Standard Time",
                                                    "Mountain Daylight Time", "Mountain War Time"};
constexpr std::array<std::string_view, 3> kPacific{"Pacific Standard Time", "Pacific Daylight Time",
                                                   "Pacific War Time"};
constexpr std::array<std::string_view, 6> kAlaska{
    "Alaska/Hawaii Standard Time", "Alaska/Hawaii Daylight Time", "Alaska/Hawaii War Time",
    "Yukon Standard Time",         "Yukon Daylight Time",         "Yukon War Time"};
constexpr std::array<std::string_view, 3> kYukon{"Yukon Standard Time", "Yukon Daylight Time",
                                                 "Yukon War Time"};
constexpr std::array<std::string_view, 2> kBering{"Bering Standard Time", "Nome Time"};
constexpr std::array<std::string_view, 6> kHawaii{
    "Hawaiian Standard Time",      "Hawaiian Daylight Time",      "Hawaiian War Time",
    "Alaska/Hawaii Standard Time", "Alaska/Hawaii Daylight Time", "Alaska/Hawaii War Time"};
constexpr std::array<std::string_view, 2> kAtlantic{"Atlantic Standard Time", "Atlantic War Time"};
constexpr std::array<std::string_view, 1> kNewfoundland{"Newfoundland Standard Time"};
constexpr std::array<std::string_view, 1> kBrazil{"Brazil Zone 2"};
constexpr std::array<std::string_view, 1> kAzores{"Azores Time"};
constexpr std::array<std::string_view, 4> kBritain{
    "Greenwich Mean Time", "British Summer Time", "British Double Summer Time", "British War Time"};
constexpr std::array<std::string_view, 4> kCentralEurope{
    "Central European Time", "Central European Daylight", "Middle European Time",
    "Middle European Daylight Time"};
constexpr std::array<std::string_view, 2> kEasternEurope{"Eastern European Time",
                                                         "Eastern European Daylight Time"};
constexpr std::array<std::string_view, 1> kBaghdad{"Baghdad Time"};
constexpr std::array<std::string_view, 1> kIran{"Iran Time"};
constexpr std::array<std::string_view, 1> kIndia{"Indian Time"};
constexpr std::array<std::string_view, 2> kJava{"Java Time", "South Sumatra Time"};
constexpr std::array<std::string_view, 1> kChinaCoast{"China Coast Time"};
constexpr std::array<std::string_view, 1> kJapan{"Japan Standard Time"};
constexpr std::array<std::string_view, 1> kGuam{"Guam Standard Time"};
constexpr std::array<std::string_view, 2> kAustraliaEast{"Australian Eastern Standard Time",
                                                         "Australian Eastern Daylight Time"};
constexpr std::array<std::string_view, 4> kAustraliaCentral{
    "Australian Central Standard Time", "Australian Central Daylight Time",
    "South Australia Standard Time", "South Australia Daylight Time"};
constexpr std::array<std::string_view, 2> kAustraliaWest{"Australian Western Standard Time",
                                                         "Australian Western Daylight Time"};
constexpr std::array<std::string_view, 4> kNewZealand{
    "New Zealand Std Time", "New Zealand Std Summer Time", "New Zealand Time",
    "New Zealand Summer Time"};
// The Soviet zones counted with the decree hour: zone N ran N + 1 hours ahead.
constexpr std::array<std::string_view, 1> kUssr3{"USSR Zone 3"};
constexpr std::array<std::string_view, 1> kUssr4{"USSR Zone 4"};
constexpr std::array<std::string_view, 1> kUssr5{"USSR Zone 5"};
constexpr std::array<std::string_view, 1> kUssr6{"USSR Zone 6"};
constexpr std::array<std::string_view, 1> kUssr10{"USSR Zone 10"};

struct ZoneRows {
  std::string_view zoneId;
  RowNames rowNames;
};

// tz zones whose clocks some rows name under another abbreviation, sorted by zone id.
constexpr std::array kZoneRows = std::to_array<ZoneRows>({
    {"America/Adak", kBering},
    {"America/Anchorage", kAlaska},
    {"America/Araguaina", kBrazil},
    {"America/Bahia", kBrazil},
    {"America/Belem", kBrazil},
    {"America/Chicago", kCentral},
    {"America/Dawson", kYukon},
    {"America/Denver", kMountain},
    {"America/Detroit", kEastern},
    {"America/Edmonton", kMountain},
    {"America/Fortaleza", kBrazil},
    {"America/Halifax", kAtlantic},
    {"America/Juneau", kAlaska},
    {"America/Los_Angeles", kPacific},
    {"America/Maceio", kBrazil},
    {"America/Mexico_City", kCentral},
    {"America/New_York", kEastern},
    {"America/Nome", kBering},
    {"America/Phoenix", kMountain},
    {"America/Puerto_Rico", kAtlantic},
    {"America/Recife", kBrazil},
    {"America/Sao_Paulo", kBrazil},
    {"America/St_Johns", kNewfoundland},
    {"America/Tijuana", kPacific},
    {"America/Toronto", kEastern},
    {"America/Vancouver", kPacific},
    {"America/Whitehorse", kYukon},
    {"America/Winnipeg", kCentral},
    {"Asia/Baghdad", kBaghdad},
    {"Asia/Calcutta", kIndia},
    {"Asia/Hong_Kong", kChinaCoast},
    {"Asia/Jakarta", kJava},
    {"Asia/Kolkata", kIndia},
    {"Asia/Krasnoyarsk", kUssr6},
    {"Asia/Macau", kChinaCoast},
    {"Asia/Magadan", kUssr10},
    {"Asia/Novosibirsk", kUssr6},
    {"Asia/Omsk", kUssr5},
    {"Asia/Shanghai", kChinaCoast},
    {"Asia/Taipei", kChinaCoast},
    {"Asia/Tehran", kIran},
    {"Asia/Tokyo", kJapan},
    {"Asia/Yekaterinburg", kUssr4},
    {"Atlantic/Azores", kAzores},
    {"Atlantic/Bermuda", kAtlantic},
    {"Australia/Adelaide", kAustraliaCentral},
    {"Australia/Brisbane", kAustraliaEast},
    {"Australia/Broken_Hill", kAustraliaCentral},
    {"Australia/Darwin", kAustraliaCentral},
    {"Australia/Hobart", kAustraliaEast},
    {"Australia/Lord_Howe", kAustraliaEast},
    {"Australia/Melbourne", kAustraliaEast},
    {"Australia/Perth", kAustraliaWest},
    {"Australia/Sydney", kAustraliaEast},
    {"Europe/Amsterdam", kCentralEurope},
    {"Europe/Athens", kEasternEurope},
    {"Europe/Berlin", kCentralEurope},
    {"Europe/Brussels", kCentralEurope},
    {"Europe/Bucharest", kEasternEurope},
    {"Europe/Dublin", kBritain},
    {"Europe/Helsinki", kEasternEurope},
    {"Europe/Istanbul", kEasternEurope},
    {"Europe/Kiev", kEasternEurope},
    {"Europe/Kyiv", kEasternEurope},
    {"Europe/London", kBritain},
    {"Europe/Madrid", kCentralEurope},
    {"Europe/Moscow", kUssr3},
    {"Europe/Paris", kCentralEurope},
    {"Europe/Rome", kCentralEurope},
    {"Europe/Samara", kUssr3},
    {"Europe/Sofia", kEasternEurope},
    {"Europe/Vienna", kCentralEurope},
    {"Europe/Warsaw", kCentralEurope},
    {"Europe/Zurich", kCentralEurope},
    {"Pacific/Auckland", kNewZealand},
    {"Pacific/Guam", kGuam},
    {"Pacific/Honolulu", kHawaii},
    {"Pacific/Saipan", kGuam},
});

static_assert(std::ranges::is_sorted(kZoneRows, {}, &ZoneRows::zoneId));

}  // namespace

bool ZoneNamesRow(std::string_view zoneId, std::string_view rowName) {
  const auto found = std::ranges::lower_bound(kZoneRows, zoneId, {}, &ZoneRows::zoneId);
  if (found == kZoneRows.end() || found->zoneId != zoneId) return false;
  return std::ranges::find(found->rowNames, rowName) != found->rowNames.end();
}

}  // namespace tarvel
