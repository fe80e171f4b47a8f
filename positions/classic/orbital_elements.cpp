#include "positions/classic/orbital_elements.h"

#include <array>

#include "base/angles.h"
#include "base/time_scales.h"

namespace tarvel {

namespace {

/// A value at J2000.0 and its linear rate per Julian century.
struct Element {
  double base;
  double ratePerCentury;
};

/// One row of mean elements: a (AU, per century), e (per century), and i, Ω, ϖ, L (degrees,
/// arc-seconds per century).
struct ElementRow {
  Element a, e, i, node, perihelion, meanLongitude;
};

// Standish's J2000 mean elements and rates (Explanatory Supplement to the Astr. Almanac, 1992).
constexpr std::array<ElementRow, kElementSetCount> kElementRows{{
    {{0.38709893, 0.00000066},
     {0.20563069, 0.00002527},
     {7.00487, -23.51},
     {48.33167, -446.30},
     {77.45645, 573.57},
     {252.25084, 538101628.29}},
    {{0.72333199, 0.00000092},
     {0.00677323, -0.00004938},
     {3.39471, -2.86},
     {76.68069, -996.89},
     {131.53298, -108.80},
     {181.97973, 210664136.06}},
    {{1.00000011, -0.00000005},
     {0.01671022, -0.00003804},
     {0.00005, -46.94},
     {-11.26064, -18228.25},
     {102.94719, 1198.28},
     {100.46435, 129597740.63}},
    {{1.52366231, -0.00007221},
     {0.09341233, 0.00011902},
     {1.85061, -25.47},
     {49.57854, -1020.19},
     {336.04084, 1560.78},
     {355.45332, 68905103.78}},
    {{5.20336301, 0.00060737},
     {0.04839266, -0.00012880},
     {1.30530, -4.15},
     {100.55615, 1217.17},
     {14.75385, 839.93},
     {34.40438, 10925078.35}},
    {{9.53707032, -0.00301530},
     {0.05415060, -0.00036762},
     {2.48446, 6.11},
     {113.71504, -1591.05},
     {92.43194, -1948.89},
     {49.94432, 4401052.95}},
}};

double Linear(const Element& element, double centuries) {
  return element.base + element.ratePerCentury * centuries;
}

// The rate is in arc-seconds: rate times T, then to degrees, then the base added.
double AngleRad(const Element& element, double centuries) {
  return kDegToRad * (element.base + (element.ratePerCentury * centuries) / 3600);
}

// A rate in arc-seconds a century, in radians a day.
double RadPerDay(const Element& element) {
  return kDegToRad * (element.ratePerCentury / 3600) / kDaysPerCentury;
}

}  // namespace

OrbitElements OrbitalElements(int index, double daysFromJ2000) {
  const ElementRow& row = kElementRows.at(static_cast<std::size_t>(index));
  const double centuries = daysFromJ2000 / kDaysPerCentury;
  return {Linear(row.a, centuries),
          Linear(row.e, centuries),
          AngleRad(row.i, centuries),
          AngleRad(row.node, centuries),
          AngleRad(row.perihelion, centuries),
          ReduceRadians(AngleRad(row.meanLongitude, centuries))};
}

OrbitRates OrbitalRates(int index) {
  const ElementRow& row = kElementRows.at(static_cast<std::size_t>(index));
  return {RadPerDay(row.node), RadPerDay(row.perihelion), RadPerDay(row.meanLongitude)};
}

}  // namespace tarvel
