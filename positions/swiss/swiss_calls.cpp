#include "positions/swiss/swiss_calls.h"

#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <utility>

namespace tarvel {
namespace {

constexpr int kEphemerisFlag = SEFLG_SWIEPH;
constexpr double kFullCircleDeg = 360;
constexpr std::string_view kDataFileEnding = ".se1";
// The library ignores a longer folder and searches its default folders, the working one first.
constexpr std::size_t kMaxFolderBytes = AS_MAXCH - 1 - 13;

// The folder last given to the library on this thread, and what was found in it. It mirrors
// the library's own per-thread state, which has no getter, so it lives beside the calls.
struct ThreadDataFolder {
  std::optional<std::string> folder;
  std::optional<std::string> refusal;
};
thread_local ThreadDataFolder threadFolder;

SwissAngle Refused(std::string message) {
  return SwissAngle{0, 0, false, std::move(message)};
}

std::string LibraryRefusal(const char* message) {
  return std::string("the Swiss Ephemeris refused: ") + message;
}

// The library answers with the flags it used: SEFLG_MOSEPH instead of SEFLG_SWIEPH when it
// could not open the data files and fell back to its built-in ephemeris.
SwissAngle Accepted(double deg, int returnedFlags, double speedDegPerDay = 0) {
  return SwissAngle{deg, speedDegPerDay, (returnedFlags & SEFLG_MOSEPH) != 0, {}};
}

// What is wrong with a value no ephemeris gives, which a damaged data file can cause.
const char* Damage(double deg) {
  if (!std::isfinite(deg)) return "as no number";
  if (deg < 0 || deg >= kFullCircleDeg) return "outside 0-360 degrees";
  return nullptr;
}

SwissAngle Damaged(const std::string& what, const char* damage) {
  return Refused("the Swiss Ephemeris gave " + what + " " + damage);
}

std::string BodyName(int body) {
  std::array<char, AS_MAXCH> name{};
  return std::string("the longitude of ") + swe_get_planet_name(body, name.data());
}

// An empty or unreadable file would be taken by the library for a damaged one, or silently
// for no file at all.
std::optional<std::string> DataFileRefusal(const std::filesystem::path& file) {
  std::error_code error;
  if (std::filesystem::file_size(file, error) == 0 && !error) {
    return "the Swiss Ephemeris data file " + file.string() + " is empty";
  }
  if (error || !std::ifstream(file, std::ios::binary)) {
    return "the Swiss Ephemeris data file " + file.string() + " cannot be read";
  }
  return std::nullopt;
}

std::optional<std::string> FolderRefusal(const std::filesystem::path& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() != kDataFileEnding || entry.is_directory(error)) continue;
    if (auto refusal = DataFileRefusal(entry.path())) return refusal;
  }
  return std::nullopt;
}

// The library splits its folders at ':' and ';'.
std::optional<std::string> FoldersRefusal(std::string_view folders) {
  if (folders.size() > kMaxFolderBytes) {
    return "the Swiss Ephemeris data folder's name is longer than " +
           std::to_string(kMaxFolderBytes) + " bytes";
  }
  while (!folders.empty()) {
    const std::size_t end = std::min(folders.find_first_of(":;"), folders.size());
    if (end > 0) {
      if (auto refusal = FolderRefusal(std::filesystem::path(folders.substr(0, end)))) {
        return refusal;
      }
    }
    folders.remove_prefix(std::min(end + 1, folders.size()));
  }
  return std::nullopt;
}

}  // namespace

std::string SwissDataFolder() {
  const char* chosen = std::getenv("SE_EPHE_PATH");
  if (chosen != nullptr && *chosen != '\0') return chosen;
  return TARVEL_SWISS_DATA_FOLDER;
}

std::optional<std::string> UseDataFolder(const std::string& folder) {
  if (threadFolder.folder != folder) {
    threadFolder = ThreadDataFolder{folder, FoldersRefusal(folder)};
    if (!threadFolder.refusal) swe_set_ephe_path(folder.c_str());
  }
  return threadFolder.refusal;
}

void UseSiderealMode(int siderealMode) {
  swe_set_sid_mode(siderealMode, 0, 0);
}

void ReleaseThreadState() {
  swe_close();
  threadFolder = ThreadDataFolder{};
}

SwissAngle SiderealLongitude(double jdUt, int body) {
  std::array<double, 6> place{};
  std::array<char, AS_MAXCH> message{};
  const int flags = swe_calc_ut(jdUt, body, kEphemerisFlag | SEFLG_SIDEREAL | SEFLG_SPEED,
                                place.data(), message.data());
  if (flags < 0) return Refused(LibraryRefusal(message.data()));
  if (const char* damage = Damage(place[0])) return Damaged(BodyName(body), damage);
  return Accepted(place[0], flags, place[3]);
}

SwissAngle SiderealAscendant(double jdUt, double latitudeDeg, double longitudeDeg) {
  std::array<double, 13> cusps{};
  std::array<double, 10> angles{};
  // Whole-sign houses ('W'): only the ascendant is read, and this system never fails near
  // the poles as quadrant systems can.
  const int result = swe_houses_ex(jdUt, SEFLG_SIDEREAL, latitudeDeg, longitudeDeg, 'W',
                                   cusps.data(), angles.data());
  if (result < 0) return Refused("the Swiss Ephemeris could not compute the houses");
  if (const char* damage = Damage(angles[0])) return Damaged("the ascendant", damage);
  return Accepted(angles[0], 0);
}

SwissAngle MeanAyanamsa(double jdUt) {
  double ayanamsaDeg = 0;
  std::array<char, AS_MAXCH> message{};
  const int flags =
      swe_get_ayanamsa_ex_ut(jdUt, kEphemerisFlag | SEFLG_NONUT, &ayanamsaDeg, message.data());
  if (flags < 0) return Refused(LibraryRefusal(message.data()));
  if (!std::isfinite(ayanamsaDeg)) return Damaged("the ayanamsa", Damage(ayanamsaDeg));
  // Before its zero year an ayanamsa is negative; the circle's turn is what the chart uses.
  return Accepted(swe_degnorm(ayanamsaDeg), flags);
}

}  // namespace tarvel
