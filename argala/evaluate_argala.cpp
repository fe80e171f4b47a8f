#include "argala/evaluate_argala.h"

namespace tarvel {

void EvaluateArgala(ChartState& /*state*/, ResultView& /*view*/) {}

}  // namespace tarvel
