#pragma once

#include <array>
#include <string>

#include "base/birth_instant.h"
#include "base/planets.h"
#include "positions/sky_settings.h"

namespace tarvel {

/// The sidereal places of one birth.
struct SkyPositions {
  double ascendantDeg = 0;                      ///< sidereal ascendant, degrees in 0-360
  std::array<double, kPlanetCount> grahaDeg{};  ///< sidereal longitudes by PlanetIndex, 0-360
  double chartCorrection = 0;  ///< degrees added to tropical places: minus the ayanamsa
  SkyEphemeris ephemeris = SkyEphemeris::ClassicFormulas;
  /// By PlanetIndex: the planet's longitude is decreasing at the instant. Always false for the
  /// nodes, whose mean motion is always backward.
  std::array<bool, kPlanetCount> retrograde{};
  bool operator==(const SkyPositions&) const = default;
};

/// What a sky answers: the places, or why it could not compute them.
struct SkyResult {
  SkyPositions positions;  ///< all zero when refused
  std::string error;       ///< empty when the places were computed
  bool operator==(const SkyResult&) const = default;
};

/// Turns a birth instant into sidereal places: the one thing that differs between the
/// classic formulas and the Swiss Ephemeris. An implementation is immutable once built, so
/// one instance serves many threads at once.
class Sky {
 public:
  virtual ~Sky() = default;
  /// The places at the instant and place, with which planets move backward.
  virtual SkyResult Positions(const BirthInstant& instant) const = 0;
  /// The places without `retrograde` (all false), for a chart that does not show it: a sky that
  /// pays extra for the motion (the classic formulas evaluate the planets twice more) skips it.
  virtual SkyResult PlacesOnly(const BirthInstant& instant) const { return Positions(instant); }
  /// The choices this sky computes with.
  virtual SkySettings Settings() const = 0;
  /// Frees what the sky holds for the calling thread (open files, caches); a worker thread
  /// calls it before it ends. A later call on the same thread takes them again.
  virtual void ReleaseThread() const {}
};

}  // namespace tarvel
