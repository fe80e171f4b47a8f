#pragma once

#include <memory>
#include <vector>

#include "positions/sky.h"
#include "positions/sky_settings.h"

namespace tarvel {

/// Every sky a user may choose, built once: the classic sky and the precise sky in each
/// ayanamsa with either node. Read-only once built, so threads share one catalogue.
class Skies {
 public:
  Skies();

  /// The sky of a choice; the classic sky for every choice of the classic kind.
  const Sky& For(const SkySettings& settings) const;

  /// Frees what every sky holds for the calling thread; a worker thread calls it before it
  /// ends.
  void ReleaseThread() const;

 private:
  std::vector<std::unique_ptr<Sky>> skies_;
};

}  // namespace tarvel
