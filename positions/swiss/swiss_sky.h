#pragma once

#include <optional>
#include <string>

#include "positions/sky.h"
#include "positions/sky_settings.h"

namespace tarvel {

/// A chart's places from the Swiss Ephemeris, or why there are none.
struct SwissSkyResult {
  std::optional<SkyPositions> positions;
  std::string error;  ///< what was refused, when `positions` is empty
};

/// The precise sky: geocentric sidereal places from the Swiss Ephemeris in the chosen
/// ayanamsa, Rahu at the mean or true node, the ascendant from the library's houses. Uses the
/// Swiss Ephemeris data files where the library finds them, else its built-in Moshier
/// ephemeris, and says which in each result. Immutable: one instance serves many threads at
/// once, each call setting the library's per-thread state it depends on. A worker thread
/// that ends calls ReleaseThreadState() (swiss_calls.h) to close its files.
class SwissSky final : public Sky {
 public:
  /// `settings.kind` is not read: building this class is the choice of the precise sky, and
  /// Settings() says so.
  explicit SwissSky(const SkySettings& settings);

  /// The places, or a default (all-zero) SkyPositions when TryPositions refuses: the Sky
  /// interface has no way to report a refusal. Births the form accepts are never refused.
  SkyPositions Positions(const BirthData& birth, int zoneRow) const override;

  /// The places at the birth's universal time (see PreciseUniversalTime) and signed
  /// coordinates, or why not: a field out of range, or a date the library cannot compute.
  SwissSkyResult TryPositions(const BirthData& birth, int zoneRow) const;

  SkySettings Settings() const override { return settings_; }

 private:
  SkySettings settings_;
};

}  // namespace tarvel
