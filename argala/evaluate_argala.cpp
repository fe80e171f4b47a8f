#include "argala/evaluate_argala.h"

#include <optional>

#include "argala/argala_lists.h"
#include "argala/argala_tables.h"
#include "argala/chart_captions.h"
#include "argala/reading.h"
#include "argala/signs.h"

namespace tarvel {

void EvaluateArgala(ChartState& state, ResultView& view) {
  const std::optional<int> ascendantSign = AscendantSign(state.AscendantPosition);
  state.SignContents = BuildSignContents(ascendantSign, state.PlanetSigns);

  const ArgalaTables tables = BuildArgalaTables(ascendantSign, state.PlanetSigns);
  state.PlanetHouses = tables.PlanetHouses;

  // Obstruction needs to know every caster, so the Argala list is complete first. The lists
  // are rewritten in place: a state that computes chart after chart keeps their room.
  const ArgalaCasterFlags argalaCaster =
      FillArgalaList(state.PlanetNames, tables, state.ArgalaList);
  FillVirodhargalaList(state.PlanetNames, tables, argalaCaster, state.VirodhargalaList);

  if (view.ShowsChart()) view.ShowChart(BuildChartCaptions(state));
  FillReading(state.ArgalaList, state.VirodhargalaList, state.PlanetNames, state.Reading);
  view.ShowReading(state.Reading);
  view.BringResultViewToFront();
}

}  // namespace tarvel
