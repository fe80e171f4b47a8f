#include "positions/classic/ascendant.h"

#include <cmath>

#include "base/angles.h"
#include "base/time_scales.h"
#include "positions/classic/chart_ayanamsa.h"

namespace tarvel {

double LocalSiderealTime(double centuriesSince1900, double utHours, double longitudeWestDeg) {
  const double t = centuriesSince1900;
  // Newcomb's mean sidereal time from 1900 January 0.5 (Explanatory Supplement, 1961).
  // Universal time enters in plain hours: the sidereal rate is carried by the 2400.0513 T term,
  // since T already counts the time of day.
  const double angleDeg =
      ((6.6460656 + 2400.0513 * t) + (0.0000258 * t) * t + utHours) * 15 - longitudeWestDeg;
  // Taking 360 away while the angle reaches it is exact at every step, so the remainder gives
  // the same value in one.
  return angleDeg >= 360 ? std::fmod(angleDeg, 360.0) : angleDeg;
}

double TropicalAscendant(double siderealTimeDeg, double centuriesSince1900, double latitudeDeg) {
  const double thetaRad = kDegToRad * siderealTimeDeg;
  // Newcomb's mean obliquity, 23°27'08.26" - 46.845" T (Explanatory Supplement, 1961).
  const double obliquityRad = kDegToRad * (23.452294 - 0.0130125 * centuriesSince1900);
  const double y = std::cos(thetaRad);
  const double x = (-std::sin(thetaRad)) * std::cos(obliquityRad) -
                   std::sin(obliquityRad) * std::tan(kDegToRad * latitudeDeg);
  // Bring the angle into the half-plane the horizon's eastern point lies in.
  double angleRad = QuadrantArcTan(y, x);
  if (angleRad < 0) angleRad += kPi;
  if (y < 0) angleRad += kPi;
  double longitudeDeg = kRadToDeg * angleRad;
  while (longitudeDeg >= 360) longitudeDeg -= 360;
  return longitudeDeg;
}

AscendantFigures ComputeAscendant(const ClassicInstant& instant, const BirthInstant& birthInstant) {
  AscendantFigures figures{};
  figures.centuriesSince1900 = CenturiesSince1900(instant.dayNumber, instant.utHours);
  figures.chartCorrection = ChartSiderealCorrectionDeg(figures.centuriesSince1900);
  figures.siderealTimeDeg =
      LocalSiderealTime(figures.centuriesSince1900, instant.utHours, -birthInstant.longitudeDeg);
  figures.tropicalDeg = TropicalAscendant(figures.siderealTimeDeg, figures.centuriesSince1900,
                                          birthInstant.latitudeDeg);
  figures.siderealDeg = WrapOnce(figures.tropicalDeg + figures.chartCorrection);
  return figures;
}

}  // namespace tarvel
