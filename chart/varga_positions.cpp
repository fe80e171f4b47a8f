#include "chart/varga_positions.h"

#include "varga/varga_longitude.h"

namespace tarvel {

SkyPositions PositionsInVarga(const SkyPositions& positions, Varga varga) {
  SkyPositions inVarga = positions;
  inVarga.ascendantDeg = VargaLongitude(positions.ascendantDeg, varga).value_or(0);
  for (int p = 0; p < kPlanetCount; ++p) {
    inVarga.grahaDeg[p] = VargaLongitude(positions.grahaDeg[p], varga).value_or(0);
  }
  return inVarga;
}

}  // namespace tarvel
