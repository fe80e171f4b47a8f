#pragma once

#include <array>

#include "base/birth_data.h"
#include "base/planets.h"
#include "positions/sky_settings.h"

namespace tarvel {

/// The sidereal places of one birth.
struct SkyPositions {
  double ascendantDeg = 0;                      ///< sidereal ascendant, degrees in 0-360
  std::array<double, kPlanetCount> grahaDeg{};  ///< sidereal longitudes by PlanetIndex, 0-360
  double chartCorrection = 0;  ///< degrees added to tropical places: minus the ayanamsa
  SkyEphemeris ephemeris = SkyEphemeris::ClassicFormulas;
  bool operator==(const SkyPositions&) const = default;
};

/// Turns a birth into sidereal places: the one thing that differs between the classic
/// formulas and the Swiss Ephemeris. An implementation is immutable once built, so one
/// instance serves many threads at once.
class Sky {
 public:
  virtual ~Sky() = default;
  /// The places at the birth's instant and place. `zoneRow` (0-70) is the zone's row in the
  /// time-zone list, whose own sign tells whether the zone is ahead of universal time.
  virtual SkyPositions Positions(const BirthData& birth, int zoneRow) const = 0;
  /// The choices this sky computes with.
  virtual SkySettings Settings() const = 0;
};

}  // namespace tarvel
