#include "ephemeris/moon.h"

namespace tarvel {

void CalculateMoon(ChartState& /*state*/) {}

}  // namespace tarvel
