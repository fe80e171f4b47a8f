#pragma once

#include <optional>
#include <string>

#include "argala/argala.h"
#include "argala/argala_summary.h"
#include "argala/reading.h"
#include "base/birth_data.h"
#include "base/birth_instant.h"
#include "positions/sky.h"
#include "varga/varga.h"

namespace tarvel {

/// One computed chart: where the sky put the points, the signs and houses they stand in, the
/// Argala and Virodhargala, the reading and the synthesis of which Argala stand. A divisional
/// chart (varga) is a chart too: its signs, houses, lists, reading and synthesis are the
/// varga's, while the longitudes stay those of the sky. Texts are made from it by whoever
/// shows it.
struct ChartResult {
  SkySettings sky;             ///< the choices of the sky that computed it
  std::string error;           ///< why no chart could be computed; empty when it was
  BirthInstant instant;        ///< the instant and place it was computed for
  SkyPositions positions;      ///< sidereal longitudes and the chart's correction
  ChartSigns signs;            ///< the sign of the ascendant and of each graha, in the varga
  ArgalaResult argala;         ///< houses and both lists
  Reading reading;             ///< the reading as runs over the lists
  ArgalaSummary summary;       ///< verdicts on each planet and each house
  std::optional<Varga> varga;  ///< the varga asked for; none for the Rasi chart by default
  bool operator==(const ChartResult&) const = default;
};

/// A part of a chart a front end may go without, as a bit; the positions, signs, houses and
/// both lists are always computed.
enum ChartPart : unsigned {
  kReadingPart = 1u << 0,
  kSummaryPart = 1u << 1,
  kMotionPart = 1u << 2,  ///< which planets move backward
};

/// The optional parts of a chart to compute, every one unless told otherwise. A part left out
/// stays empty in the result.
struct ChartParts {
  unsigned bits = ~0u;
  constexpr bool Has(ChartPart part) const { return (bits & part) != 0; }
};

/// The signs of the ascendant and the nine grahas, by their sidereal longitudes, in a varga.
ChartSigns SignsInVarga(const SkyPositions& positions, Varga varga);

/// Turns a chart into that of the same positions in a varga (none: the Rasi chart, none asked
/// for): its signs, Argala, and the reading and synthesis that `parts` asks for; the sky is not
/// computed again, and the lists keep their room.
void SetVarga(ChartResult& chart, std::optional<Varga> varga, ChartParts parts = {});

/// Computes the chart of a birth in a sky and a varga (the Rasi chart when none is asked
/// for) in a zone. When the birth has no instant or the sky refuses it, the result holds the
/// sky's settings and the error, and nothing else.
ChartResult ComputeChart(const BirthData& birth, const ZoneChoice& zone, const Sky& sky,
                         std::optional<Varga> varga = std::nullopt, ChartParts parts = {});
/// The same written over `chart`, whatever it held, reusing the room its lists have grown: a
/// window or a batch job computing chart after chart then allocates nothing for them.
void ComputeChartInto(ChartResult& chart, const BirthData& birth, const ZoneChoice& zone,
                      const Sky& sky, std::optional<Varga> varga = std::nullopt,
                      ChartParts parts = {});

}  // namespace tarvel
