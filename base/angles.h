#pragma once

namespace tarvel {

/// Degrees to radians, as the literal the formulas were tuned with.
inline constexpr double kDegToRad = 0.0174532925199433;

/// π and 2π as the literals the longitude formulas were tuned with.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

/// Radians to degrees (180/π) as a literal.
inline constexpr double kRadToDeg = 57.2957795130823;

/// Full-circle arctangent of the point (x, y), radians in -π to π. The point (0, 0) gives 0;
/// a point on the negative x axis gives π.
double QuadrantArcTan(double y, double x);

/// Brings a longitude in degrees that lies at most one turn outside 0-360 back inside: below 0
/// gains 360, above 360 (strictly) loses 360; each at most once, so 360 itself stays.
double WrapOnce(double longitudeDeg);

/// An angle in radians reduced into 0 to 2π; a negative whole multiple of 2π gives 0.
double ReduceRadians(double angleRad);

}  // namespace tarvel
