#pragma once

#include "base/birth_data.h"
#include "chart/chart_result.h"

namespace tarvel {

/// What a front end keeps between commands: the birth data of the last calculation, the zone
/// it was computed in, and its chart. Each calculation overwrites all three and resets
/// nothing, so a state that is not refilled computes from what the last run left.
struct ChartState {
  tarvel::BirthData BirthData;
  ZoneChoice Zone;  ///< the zone the chart was computed in
  ChartResult Chart;
};

}  // namespace tarvel
