#pragma once

#include <string_view>

namespace tarvel {

/// Whether the row named `rowName` (the zone's name as its row shows it before the first
/// comma, e.g. "China Coast Time") is a name of the tz zone `zoneId`'s clocks, though its
/// abbreviation is not the one the tz database gives ("CST" for Asia/Shanghai). A row of the
/// right offset but another region's name (Beijing's UTC+08:00 in "Australian Western
/// Standard Time") is not.
bool ZoneNamesRow(std::string_view zoneId, std::string_view rowName);

}  // namespace tarvel
