#pragma once

#include <string>

#include "argala/argala.h"
#include "argala/reading.h"
#include "base/birth_data.h"
#include "base/birth_instant.h"
#include "positions/sky.h"

namespace tarvel {

/// One computed chart: where the sky put the points, the signs and houses they stand in, the
/// Argala and Virodhargala, and the reading. Texts are made from it by whoever shows it.
struct ChartResult {
  SkySettings sky;         ///< the choices of the sky that computed it
  std::string error;       ///< why no chart could be computed; empty when it was
  BirthInstant instant;    ///< the instant and place it was computed for
  SkyPositions positions;  ///< sidereal longitudes and the chart's correction
  ChartSigns signs;        ///< the sign of the ascendant and of each graha
  ArgalaResult argala;     ///< houses and both lists
  Reading reading;         ///< the reading as runs over the lists
  bool operator==(const ChartResult&) const = default;
};

/// Computes the chart of a birth in a zone and a sky.
/// When the birth has no instant or the sky refuses it, the result holds the sky's settings
/// and the error, and nothing else.
ChartResult ComputeChart(const BirthData& birth, const ZoneChoice& zone, const Sky& sky);

}  // namespace tarvel
