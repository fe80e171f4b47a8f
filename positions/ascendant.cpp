#include "positions/ascendant.h"

namespace tarvel {

void CalculateAscendant(ChartState& /*state*/) {}

}  // namespace tarvel
