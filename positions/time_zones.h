#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvel {

inline constexpr int kTimeZoneRows = 71;

/// The three parallel time-zone tables; one row describes one zone. Hours and minutes are
/// positive for zones behind universal time (west of Greenwich) and negative ahead of it;
/// the calculation takes only their magnitude.
struct TimeZoneTables {
  std::array<std::string_view, kTimeZoneRows> TimeZoneNames{};
  std::array<std::int16_t, kTimeZoneRows> TimeZoneHours{};
  std::array<std::int16_t, kTimeZoneRows> TimeZoneMinutes{};
};

/// Writes all 71 rows of the three tables; every call writes the same values.
void InitTimeZones(TimeZoneTables& tables);

}  // namespace tarvel
