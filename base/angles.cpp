#include "base/angles.h"

#include <cmath>

namespace tarvel {

namespace {

double Sign(double value) {
  return static_cast<double>((value > 0) - (value < 0));
}

}  // namespace

double QuadrantArcTan(double y, double x) {
  if (x > 0) return std::atan(y / x);
  if (x == 0) return Sign(y) * kPi / 2;
  // On the negative x axis the quadrant rule would give 0, pointing the opposite way.
  if (y == 0) return kPi;
  return Sign(y) * (kPi - std::atan(std::fabs(y / x)));
}

double WrapOnce(double longitudeDeg) {
  if (longitudeDeg < 0) longitudeDeg += 360;
  if (longitudeDeg > 360) longitudeDeg -= 360;
  return longitudeDeg;
}

double ReduceRadians(double angleRad) {
  const double turns = angleRad / kTwoPi;
  // Whole turns towards zero; a negative whole number of turns is left one turn short, which
  // the correction below brings to 0.
  const double wholeTurns = turns >= 0 ? std::floor(turns) : std::floor(turns) + 1;
  double reduced = (turns - wholeTurns) * kTwoPi;
  if (reduced < 0) reduced += kTwoPi;
  return reduced;
}

}  // namespace tarvel
