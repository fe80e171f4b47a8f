#pragma once

#include <optional>
#include <string>

namespace tarvel {

/// One angle from the Swiss Ephemeris, or the library's reason for refusing it.
struct SwissAngle {
  double deg = 0;             ///< degrees in 0-360; 0 when refused, as is a value out of range
  double speedDegPerDay = 0;  ///< the angle's daily motion, negative when moving backward
  bool fromMoshier = false;   ///< the data files were missing, so the built-in ephemeris served
  std::string error;          ///< empty unless refused
};

/// The folders the data files are read from, separated by ':' as the library takes them:
/// SE_EPHE_PATH when the user sets it, else the folder the data package installs into. Never
/// the working folder, which the library would otherwise search first.
std::string SwissDataFolder();

/// Points the calling thread's library state at `folder` (as SwissDataFolder gives it) unless
/// it points there already: setting it closes the open files, so a thread sets it once before
/// its first calculation. The refusal of a data file in the folder that is empty or cannot be
/// read, which the library would take for damage or for no file at all.
std::optional<std::string> UseDataFolder(const std::string& folder);

/// Sets the sidereal mode (an SE_SIDM_ number) of the library's state for the calling thread.
/// The library keeps that state per thread, so a thread that has never set it, or last set
/// another, would measure from the wrong ayanamsa.
void UseSiderealMode(int siderealMode);

/// Closes the data files and frees the memory the library holds for the calling thread, and
/// forgets its sidereal mode and data folder. A worker thread calls it before it ends, or its files
/// stay open; a later call on the same thread opens them again.
void ReleaseThreadState();

/// Geocentric sidereal longitude of `body` (an SE_ planet number) at `jdUt` (Julian day,
/// universal time), in the calling thread's sidereal mode, from the data files where the
/// library finds them, with its daily motion.
SwissAngle SiderealLongitude(double jdUt, int body);

/// Sidereal ascendant at `jdUt` for a place (latitude North positive, longitude East positive,
/// degrees), in the calling thread's sidereal mode.
SwissAngle SiderealAscendant(double jdUt, double latitudeDeg, double longitudeDeg);

/// The ayanamsa at `jdUt` in the calling thread's sidereal mode, measured from the mean
/// equinox of date like the sidereal longitudes, so without nutation.
SwissAngle MeanAyanamsa(double jdUt);

}  // namespace tarvel
