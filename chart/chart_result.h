#pragma once

#include "argala/argala.h"
#include "argala/reading.h"
#include "base/birth_data.h"
#include "positions/sky.h"

namespace tarvel {

/// One computed chart: where the sky put the points, the signs and houses they stand in, the
/// Argala and Virodhargala, and the reading. Texts are made from it by whoever shows it.
struct ChartResult {
  SkySettings sky;         ///< the choices of the sky that computed it
  SkyPositions positions;  ///< sidereal longitudes and the chart's correction
  ChartSigns signs;        ///< the sign of the ascendant and of each graha
  ArgalaResult argala;     ///< houses and both lists
  Reading reading;         ///< the reading as runs over the lists
  bool operator==(const ChartResult&) const = default;
};

/// A part of a chart a front end may go without, as a bit; the positions, signs, houses and
/// both lists are always computed.
enum ChartPart : unsigned { kReadingPart = 1u << 0 };

/// The optional parts of a chart to compute, every one unless told otherwise. A part left out
/// stays empty in the result.
struct ChartParts {
  unsigned bits = ~0u;
  constexpr bool Has(ChartPart part) const { return (bits & part) != 0; }
};

/// Computes the chart of a birth in a sky; `zoneRow` (0-70) is the zone's row in the list.
ChartResult ComputeChart(const BirthData& birth, int zoneRow, const Sky& sky,
                         ChartParts parts = {});

}  // namespace tarvel
