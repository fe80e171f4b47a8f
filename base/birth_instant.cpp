#include "base/birth_instant.h"

#include <chrono>
#include <cmath>

#include "base/coordinates.h"
#include "base/time_zones.h"
#include "base/zone_choice.h"

namespace tarvel {
namespace {

using std::chrono::days;
using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;

constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

bool IsValidZone(const ZoneChoice& zone) {
  switch (zone.kind) {
    case ZoneKind::Row:
      return InRange(zone.row, 0, kTimeZoneRows - 1);
    case ZoneKind::Offset:
      return InRange(zone.offsetSeconds, -kLargestOffsetSeconds, kLargestOffsetSeconds);
    case ZoneKind::LocalMeanTime:
      return true;
  }
  return false;
}

bool IsValidClock(const BirthData& birth, const ZoneChoice& zone) {
  return InRange(birth.BirthYear, 1, 9999) && InRange(birth.BirthMonth, 1, 12) &&
         InRange(birth.BirthDay, 1, 31) && InRange(birth.BirthHour, 0, 23) &&
         InRange(birth.BirthMinute, 0, 59) && InRange(birth.BirthSecond, 0, 59) &&
         IsValidZone(zone);
}

// Degrees and arc-minutes signed by their direction, or empty when they leave the globe.
std::optional<double> OnTheGlobe(int degrees, int arcMinutes, bool negative, double limitDeg) {
  if (degrees < 0 || arcMinutes < 0 || arcMinutes >= kArcMinutesPerDegree) return std::nullopt;
  const double signedDeg = SignedDegrees(degrees, arcMinutes, negative);
  if (std::abs(signedDeg) > limitDeg) return std::nullopt;
  return signedDeg;
}

// A row's own sign says its direction; daylight saving puts the clock one hour further ahead.
// An exact offset has daylight saving in it already, and the mean sun knows none.
int OffsetOf(const BirthData& birth, const ZoneChoice& zone, double longitudeDeg) {
  switch (zone.kind) {
    case ZoneKind::Row: {
      const int daylightSaving = birth.IsDST != kFalse ? kSecondsPerHour : 0;
      return MinutesAheadOfUniversalTime(kTimeZones[zone.row]) * kSecondsPerMinute + daylightSaving;
    }
    case ZoneKind::Offset:
      return zone.offsetSeconds;
    case ZoneKind::LocalMeanTime:
      return LocalMeanTimeOffsetSeconds(longitudeDeg);
  }
  return 0;
}

sys_seconds LocalClock(const BirthData& birth) {
  // Counting from the first of the month adds the day linearly: 31 April is 1 May.
  const sys_days firstOfMonth{std::chrono::year{birth.BirthYear} /
                              std::chrono::month{static_cast<unsigned>(birth.BirthMonth)} /
                              std::chrono::day{1}};
  return firstOfMonth + days{birth.BirthDay - 1} + hours{birth.BirthHour} +
         minutes{birth.BirthMinute} + seconds{birth.BirthSecond};
}

CivilTime CivilTimeAt(sys_seconds instant) {
  const sys_days day = std::chrono::floor<days>(instant);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss<seconds> clock{instant - day};
  return {static_cast<int>(date.year()),
          static_cast<int>(unsigned{date.month()}),
          static_cast<int>(unsigned{date.day()}),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

}  // namespace

CivilTime UniversalCivilTime(const BirthInstant& instant) {
  return UniversalCivilTime(instant.universalSeconds);
}

CivilTime UniversalCivilTime(std::int64_t universalSeconds) {
  return CivilTimeAt(sys_seconds{seconds{universalSeconds}});
}

CivilTime LocalCivilTime(const BirthInstant& instant) {
  return CivilTimeAt(sys_seconds{seconds{instant.universalSeconds + instant.offsetSeconds}});
}

InstantResult InstantOf(const BirthData& birth, const ZoneChoice& zone) {
  if (!IsValidClock(birth, zone)) {
    return {std::nullopt, "The birth's date, time or zone row is out of range."};
  }
  const std::optional<double> latitudeDeg =
      OnTheGlobe(birth.LatDeg, birth.LatMin, birth.IsSouth != kFalse, 90);
  const std::optional<double> longitudeDeg =
      OnTheGlobe(birth.LonDeg, birth.LonMin, birth.IsEast == kFalse, 180);
  if (!latitudeDeg || !longitudeDeg) {
    return {std::nullopt, "The birth's latitude or longitude is out of range."};
  }
  BirthInstant instant;
  instant.latitudeDeg = *latitudeDeg;
  instant.longitudeDeg = *longitudeDeg;
  instant.offsetSeconds = OffsetOf(birth, zone, instant.longitudeDeg);
  instant.universalSeconds =
      LocalClock(birth).time_since_epoch().count() - std::int64_t{instant.offsetSeconds};
  return {instant, {}};
}

}  // namespace tarvel
