#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/time_zones.h"
#include "chart/chart_state.h"
#include "document/chart_captions.h"
#include "document/chart_document.h"
#include "positions/classic/classic_sky.h"
#include "tests/export/asha_state.h"
#include "tests/support/seeded_random.h"

namespace tarvel::testing {

/// A birth the form accepts: any year it offers, any zone row, any coordinates.
inline ChartState RandomBirth(Lcg& random) {
  ChartState state;
  BirthData& birth = state.BirthData;
  birth.BirthName = "Long Reading";
  birth.BirthYear = static_cast<std::int16_t>(random.Between(1900, 2050));
  birth.BirthMonth = static_cast<std::int16_t>(random.Between(1, 12));
  birth.BirthDay = static_cast<std::int16_t>(random.Between(1, 28));
  birth.BirthHour = static_cast<std::int16_t>(random.Between(0, 23));
  birth.BirthMinute = static_cast<std::int16_t>(random.Between(0, 59));
  state.Zone = RowZone(random.Between(0, kTimeZoneRows - 1));
  const TimeZoneRow& zone = kTimeZones[state.Zone.row];
  birth.ZoneHours = static_cast<std::int16_t>(zone.hours < 0 ? -zone.hours : zone.hours);
  birth.ZoneMinutes = static_cast<std::int16_t>(zone.minutes < 0 ? -zone.minutes : zone.minutes);
  birth.LatDeg = static_cast<std::int16_t>(random.Between(0, 66));
  birth.LatMin = static_cast<std::int16_t>(random.Between(0, 59));
  birth.LonDeg = static_cast<std::int16_t>(random.Between(0, 179));
  birth.LonMin = static_cast<std::int16_t>(random.Between(0, 59));
  birth.IsSouth = ToFlag16(random.Between(0, 1) == 1);
  birth.IsEast = ToFlag16(random.Between(0, 1) == 1);
  birth.BirthCity = "Pune";
  birth.BirthCountry = "India";
  return state;
}

/// Of 3000 random births (seed 2024), the one whose chart has the most Argala and
/// Virodhargala entries: the longest reading they give.
inline ChartState LongestReadingState() {
  Lcg random(2024);
  const ClassicSky sky;
  ChartState longest;
  std::size_t most = 0;
  for (int birth = 0; birth < 3000; ++birth) {
    ChartState state = RandomBirth(random);
    state.Chart = ComputeChart(state.BirthData, state.Zone, sky);
    const std::size_t entries =
        state.Chart.argala.argala.size() + state.Chart.argala.virodhargala.size();
    if (entries > most) {
      most = entries;
      longest = state;
    }
  }
  return longest;
}

/// The captions of a chart with the ascendant and every planet in `sign`, each 29 degrees
/// 59 minutes into it: the fullest sign box there is, and the position list's widest texts
/// for that sign ("29 Gem 59").
inline ChartCaptions FullestCaptions(int sign) {
  ChartSigns signs;
  signs.ascendant = sign;
  std::array<double, kPlanetCount> longitudes{};
  for (int planet = 0; planet < kPlanetCount; ++planet) {
    signs.grahas[planet] = sign;
    longitudes[planet] = 30.0 * sign + 29 + 59.5 / 60;
  }
  return BuildChartCaptions(signs, longitudes);
}

}  // namespace tarvel::testing
