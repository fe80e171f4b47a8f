#pragma once

#include "positions/sky.h"
#include "varga/varga.h"

namespace tarvel {

/// The positions as they stand in a varga: each longitude its VargaLongitude, so that a
/// degree read from it is the varga's; the rest as given.
SkyPositions PositionsInVarga(const SkyPositions& positions, Varga varga);

}  // namespace tarvel
