#pragma once

namespace tarvel {

/// Sidereal longitudes of the Moon's mean nodes, degrees in 0-360.
struct LunarNodes {
  double rahuDeg;  ///< ascending node
  double ketuDeg;  ///< descending node, 180 degrees from Rahu
};

/// The mean nodes at a number of days from J2000.0, made sidereal by adding the chart's
/// correction (degrees, minus the ayanamsa, so negative).
LunarNodes MeanLunarNodes(double daysFromJ2000, double correctionDeg);

}  // namespace tarvel
