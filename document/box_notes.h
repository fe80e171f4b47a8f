#pragma once

#include <string>
#include <vector>

#include "chart/chart_result.h"

namespace tarvel {

/// What a sign box holds, one line each, as a note beside the chart: the sign's name and lord
/// ("Aries, ruled by Mars"), the ascendant's degrees and nakshatra when it stands there, then each
/// planet in it with its degrees within the sign (and "(R)" when moving backward), its nakshatra
/// (the sky's, in a varga too), the Argala it casts and the Argala it receives. `sign` is 0 (Aries)
/// to 11.
std::vector<std::string> BoxNoteLines(const ChartResult& chart, int sign);

}  // namespace tarvel
