#pragma once

namespace tarvel {

/// Degrees to radians, as the literal the formulas were tuned with.
inline constexpr double kDegToRad = 0.0174532925199433;

/// π and 2π as the literals the longitude formulas were tuned with.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

/// Radians to degrees (180/π) as a literal.
inline constexpr double kRadToDeg = 57.2957795130823;

}  // namespace tarvel
