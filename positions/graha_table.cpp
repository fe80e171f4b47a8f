#include "positions/graha_table.h"

namespace tarvel {

void CalculatePlanets(ChartState& /*state*/) {}

}  // namespace tarvel
