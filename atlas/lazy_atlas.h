#pragma once

#include <mutex>
#include <optional>

#include "atlas/atlas.h"

namespace tarvel {

/// The atlas of libgeonames' cities, built the first time it is asked for: a command that
/// never names a place never pays for it. Any thread may ask; the first builds it once.
class LazyAtlas {
 public:
  const Atlas& Get() const {
    std::call_once(built_, [this] { atlas_.emplace(Atlas::FromGeonames()); });
    return *atlas_;
  }

 private:
  mutable std::once_flag built_;
  mutable std::optional<Atlas> atlas_;
};

}  // namespace tarvel
