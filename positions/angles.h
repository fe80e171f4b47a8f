#pragma once

#include "base/angles.h"

namespace tarvel {

/// Full-circle arctangent of the point (x, y), radians in -π to π. The point (0, 0) gives 0;
/// a point on the negative x axis gives π.
double QuadrantArcTan(double y, double x);

/// Brings a longitude in degrees that lies at most one turn outside 0-360 back inside: below 0
/// gains 360, above 360 (strictly) loses 360; each at most once, so 360 itself stays.
double WrapOnce(double longitudeDeg);

/// An angle in radians reduced into 0 to 2π; a negative whole multiple of 2π gives 0.
double ReduceRadians(double angleRad);

}  // namespace tarvel
