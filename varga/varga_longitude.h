#pragma once

#include <optional>

#include "varga/varga.h"

namespace tarvel {

/// The longitude in the varga, degrees in 0-360: its VargaSign's start plus where the
/// longitude stands within its part of the sign, that part stretched over the 30 degrees of a
/// sign (a Navamsa part of 3°20' from its start at 1°40' is 15 degrees). None as VargaSign.
std::optional<double> VargaLongitude(double longitudeDeg, Varga varga);

}  // namespace tarvel
