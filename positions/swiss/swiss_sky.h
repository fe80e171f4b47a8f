#pragma once

#include <string>

#include "positions/sky.h"
#include "positions/sky_settings.h"
#include "positions/swiss/swiss_calls.h"

namespace tarvel {

/// The precise sky: geocentric sidereal places from the Swiss Ephemeris in the chosen
/// ayanamsa, Rahu at the mean or true node, the ascendant from the library's houses. Uses the
/// Swiss Ephemeris data files of one folder, else (none there) its built-in Moshier ephemeris,
/// and says which in each result. Immutable: one instance serves many threads at
/// once, each call setting the library's per-thread state it depends on.
class SwissSky final : public Sky {
 public:
  /// `settings.kind` is not read: building this class is the choice of the precise sky, and
  /// Settings() says so. The data files are read from `dataFolder` (folders separated by ':').
  explicit SwissSky(const SkySettings& settings, std::string dataFolder = SwissDataFolder());

  /// The places at the instant, or why not: a date the library cannot compute, a data file
  /// that is empty or cannot be read, an error of the library, or a value no ephemeris gives
  /// (not a number, a longitude outside 0-360 degrees), which a damaged data file can cause.
  SkyResult Positions(const BirthInstant& instant) const override;
  SkySettings Settings() const override { return settings_; }
  /// Closes the data files the library holds open for the calling thread.
  void ReleaseThread() const override;

 private:
  SkySettings settings_;
  std::string dataFolder_;
};

}  // namespace tarvel
