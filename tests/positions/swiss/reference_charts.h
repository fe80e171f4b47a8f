#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/birth_data.h"
#include "base/birth_instant.h"
#include "base/time_zones.h"
#include "tests/support/form_birth.h"

namespace tarvel::swiss_test {

inline constexpr double kArcSecondDeg = 1.0 / 3600;

using testing::Place;

/// A birth as the form hands it over.
inline BirthData Birth(CivilTime localClock, int zoneRow, bool dst, Place place) {
  return testing::FormBirth(localClock, zoneRow, dst, place);
}

/// The instant of a birth, its zone row read with the row's own sign.
inline BirthInstant InstantFor(const BirthData& birth, int zoneRow) {
  return *InstantOf(birth, RowZone(zoneRow)).instant;
}

/// A birth with its places as Swiss Ephemeris 2.10.03 gives them from its data files: Lahiri
/// ayanamsa, geocentric sidereal longitudes, the ascendant from the houses function.
struct ReferenceChart {
  const char* name;
  BirthData birth;
  int zoneRow;
  std::array<double, 7> planetDeg;  ///< the Sun to Saturn
  double meanRahuDeg;
  double trueRahuDeg;
  double ascendantDeg;
};

inline std::vector<ReferenceChart> ReferenceCharts() {
  return {
      {"Mumbai1980",
       Birth({1980, 3, 5, 14, 7}, 34, false, {18, 58, false, 72, 49, true}),
       34,
       {321.35303, 179.09188, 323.10575, 4.80725, 128.66254, 130.46206, 150.75752},
       124.91012,
       125.64953,
       78.97336},
      {"NewYork1975",
       Birth({1975, 10, 15, 10, 30}, 27, true, {40, 43, false, 74, 0, false}),
       27,
       {178.09250, 307.88466, 166.30191, 133.83701, 66.02135, 355.86385, 98.61382},
       209.84336,
       208.68218,
       217.09087},
      {"Sydney2001",
       Birth({2001, 6, 21, 23, 50}, 8, false, {33, 52, true, 151, 13, true}),
       8,
       {66.37395, 67.42644, 58.96777, 21.16064, 236.35540, 61.26641, 43.93518},
       72.72667,
       72.47206,
       334.89521},
  };
}

/// The gap between two longitudes along the shorter arc, degrees in 0-180.
inline double ArcGapDeg(double aDeg, double bDeg) {
  return std::abs(std::remainder(aDeg - bDeg, 360.0));
}

}  // namespace tarvel::swiss_test
