#pragma once

#include <optional>

#include "base/birth_data.h"

namespace tarvel {

/// A birth place with signed coordinates, as the Swiss Ephemeris takes them.
struct BirthCoordinates {
  double latitudeDeg;   ///< -90 (South) to 90 (North)
  double longitudeDeg;  ///< -180 (West) to 180 (East)
  bool operator==(const BirthCoordinates&) const = default;
};

/// The birth's degrees and arc-minutes signed by its South and East flags. Empty when a
/// magnitude passes 90 degrees of latitude or 180 of longitude, or arc-minutes leave 0-59.
std::optional<BirthCoordinates> SignedCoordinates(const BirthData& birth);

}  // namespace tarvel
