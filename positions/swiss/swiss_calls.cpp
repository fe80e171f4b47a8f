#include "positions/swiss/swiss_calls.h"

#include <swephexp.h>

#include <array>

namespace tarvel {
namespace {

constexpr int kEphemerisFlag = SEFLG_SWIEPH;

SwissAngle Refused(const char* message) {
  return SwissAngle{0, false, message};
}

// The library answers with the flags it used: SEFLG_MOSEPH instead of SEFLG_SWIEPH when it
// could not open the data files and fell back to its built-in ephemeris.
SwissAngle Accepted(double deg, int returnedFlags) {
  return SwissAngle{swe_degnorm(deg), (returnedFlags & SEFLG_MOSEPH) != 0, {}};
}

}  // namespace

void UseSiderealMode(int siderealMode) {
  swe_set_sid_mode(siderealMode, 0, 0);
}

void ReleaseThreadState() {
  swe_close();
}

SwissAngle SiderealLongitude(double jdUt, int body) {
  std::array<double, 6> place{};
  std::array<char, AS_MAXCH> message{};
  const int flags =
      swe_calc_ut(jdUt, body, kEphemerisFlag | SEFLG_SIDEREAL, place.data(), message.data());
  if (flags < 0) return Refused(message.data());
  return Accepted(place[0], flags);
}

SwissAngle SiderealAscendant(double jdUt, double latitudeDeg, double longitudeDeg) {
  std::array<double, 13> cusps{};
  std::array<double, 10> angles{};
  // Whole-sign houses ('W'): only the ascendant is read, and this system never fails near
  // the poles as quadrant systems can.
  const int result = swe_houses_ex(jdUt, SEFLG_SIDEREAL, latitudeDeg, longitudeDeg, 'W',
                                   cusps.data(), angles.data());
  if (result < 0) return Refused("the houses could not be computed");
  return Accepted(angles[0], 0);
}

SwissAngle MeanAyanamsa(double jdUt) {
  double ayanamsaDeg = 0;
  std::array<char, AS_MAXCH> message{};
  const int flags =
      swe_get_ayanamsa_ex_ut(jdUt, kEphemerisFlag | SEFLG_NONUT, &ayanamsaDeg, message.data());
  if (flags < 0) return Refused(message.data());
  return Accepted(ayanamsaDeg, flags);
}

}  // namespace tarvel
