#pragma once

#include "../form/example_birth.h"
#include "chart/chart_state.h"
#include "positions/classic/classic_sky.h"

namespace tarvel::testing {

/// The example birth (Asha Rao, Mumbai, 5 March 1980) computed in the classic sky.
inline ChartState AshaState() {
  ChartState state{AshaBirth(), RowZone(kAshaZoneRow), {}};
  state.Chart = ComputeChart(state.BirthData, state.Zone, ClassicSky());
  return state;
}

}  // namespace tarvel::testing
