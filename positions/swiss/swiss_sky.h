#pragma once

#include "positions/sky.h"
#include "positions/sky_settings.h"

namespace tarvel {

/// The precise sky: geocentric sidereal places from the Swiss Ephemeris in the chosen
/// ayanamsa, Rahu at the mean or true node, the ascendant from the library's houses. Uses the
/// Swiss Ephemeris data files where the library finds them, else its built-in Moshier
/// ephemeris, and says which in each result. Immutable: one instance serves many threads at
/// once, each call setting the library's per-thread state it depends on.
class SwissSky final : public Sky {
 public:
  /// `settings.kind` is not read: building this class is the choice of the precise sky, and
  /// Settings() says so.
  explicit SwissSky(const SkySettings& settings);

  /// The places at the instant, or why not: a date the library cannot compute.
  SkyResult Positions(const BirthInstant& instant) const override;
  SkySettings Settings() const override { return settings_; }
  /// Closes the data files the library holds open for the calling thread.
  void ReleaseThread() const override;

 private:
  SkySettings settings_;
};

}  // namespace tarvel
