#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "argala/reading_run.h"
#include "base/birth_data.h"
#include "base/angles.h"
#include "base/planets.h"
#include "base/signs.h"

namespace tarvel {

/// Per-planet tables have ten slots; slot 9 is never written.
using PlanetTable = std::array<std::string, kPlanetCount + 1>;

/// Everything one calculation run reads and writes. Each run overwrites what it writes and
/// resets nothing, so a state that is not refilled computes from what the last run left.
/// Position texts are UTF-8 (the degree sign is two bytes).
struct ChartState {
  tarvel::BirthData BirthData;

  std::string SignAbbrevs;
  double DegToRad = 0;

  std::string AscendantPosition;  ///< position text of the sidereal ascendant
  std::string MoonPosition;       ///< position text of the Moon's sidereal longitude
  double ChartCorrection = 0;     ///< the chart's sidereal correction, degrees (negative)

  PlanetTable PlanetNames;
  PlanetTable GrahaNames;
  PlanetTable PlanetSigns;  ///< short position texts, e.g. "16 Sag 31"

  /// Results of the last Argala evaluation.
  std::array<std::string, kPlanetCount> PlanetHouses;
  std::array<std::string, kSignCount> SignContents;
  std::vector<std::string> ArgalaList;
  std::vector<std::string> VirodhargalaList;
  /// The reading of the last run, rewritten in place so that chart after chart reuses its room.
  tarvel::Reading Reading;
};

}  // namespace tarvel
