#pragma once

#include <optional>
#include <variant>

#include "atlas/lazy_atlas.h"
#include "chart/chart_state.h"
#include "chart/skies.h"
#include "cli/chart/birth_options.h"
#include "cli/chart/place_options.h"

namespace tarvel::cli {

/// What computing a chart from options needs besides the birth: every sky, the atlas, and the
/// sky a birth takes when it names none. Shared by all the threads of a batch.
struct ChartContext {
  const Skies& skies;
  const LazyAtlas& atlas;
  SkyChoice defaultSky;
  std::optional<Varga> defaultVarga{};  ///< the varga of a birth that names none
};

/// Calculates the chart of a birth given as options: the sky is chosen, a place is looked up
/// in the atlas, the options are read and checked into the state's BirthData and zone, and the
/// chain runs for `parts`. Returns what the atlas made of the place, if one was given. A
/// refusal carries the command line's message and changes nothing.
std::variant<std::optional<PlaceUsed>, OptionError> CalculateFromOptions(
    const BirthOptions& options, ChartState& state, const ChartContext& context,
    ChartParts parts = {});

}  // namespace tarvel::cli
