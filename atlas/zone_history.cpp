#include "atlas/zone_history.h"

#include <date/tz.h>

#include <chrono>
#include <exception>
#include <utility>

namespace tarvel {
namespace {

using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;

// Enough to step back through a war's worth of summer and double summer times.
constexpr int kMaxPeriodsBack = 24;

std::optional<std::string> CivilTimeProblem(const CivilTime& time) {
  if (time.year < 1 || time.year > 9999) return "The year must be 1 to 9999";
  if (time.month < 1 || time.month > 12) return "The month must be 1 to 12";
  const date::year_month_day day{date::year{time.year}, date::month{unsigned(time.month)},
                                 date::day{unsigned(time.day > 0 ? time.day : 0)}};
  if (!day.ok()) return "There is no such day in that month";
  if (time.hour < 0 || time.hour > 23) return "The hour must be 0 to 23";
  if (time.minute < 0 || time.minute > 59) return "The minute must be 0 to 59";
  if (time.second < 0 || time.second > 59) return "The second must be 0 to 59";
  return std::nullopt;
}

// date/tz reports an unknown zone by throwing; here it becomes a value.
std::variant<const date::time_zone*, ZoneError> FindZone(std::string_view zoneId) {
  if (auto error = LoadZoneDatabase()) return std::move(*error);
  try {
    return date::locate_zone(std::string(zoneId));
  } catch (const std::exception&) {
    return ZoneError{"Unknown time zone \"" + std::string(zoneId) + "\""};
  }
}

// The latest period of standard time at or before `info`.
std::optional<date::sys_info> StandardTimeBefore(const date::time_zone& zone, date::sys_info info) {
  for (int step = 0; step < kMaxPeriodsBack && info.save != minutes{0}; ++step) {
    info = zone.get_info(info.begin - seconds{1});
  }
  if (info.save != minutes{0}) return std::nullopt;
  return info;
}

LocalTimeKind KindOf(const date::local_info& info) {
  switch (info.result) {
    case date::local_info::nonexistent:
      return LocalTimeKind::Skipped;
    case date::local_info::ambiguous:
      return LocalTimeKind::Repeated;
    default:
      return LocalTimeKind::Ordinary;
  }
}

int MinutesBetween(const date::sys_info& later, const date::sys_info& earlier) {
  return static_cast<int>(
      std::chrono::duration_cast<minutes>(later.offset - earlier.offset).count());
}

void SetDaylightSaving(ZoneState& state, int savingMinutes, const std::string& standardName) {
  state.isDaylightSaving = true;
  state.daylightSavingMinutes = savingMinutes;
  state.standardAbbreviation = standardName;
}

// tzdata flags some winters as a negative saving (Ireland since 1971, Morocco in Ramadan):
// there the lower offset is read as standard time and the higher one as daylight saving,
// the way people there and the birth form count it.
void DescribeDaylightSaving(const date::time_zone& zone, const date::sys_info& taken,
                            ZoneState& state) {
  state.isDaylightSaving = false;
  state.standardAbbreviation = taken.abbrev;
  if (taken.save == minutes{0}) {
    const date::sys_info before = zone.get_info(taken.begin - seconds{1});
    if (before.save != minutes{0} && before.offset < taken.offset) {
      SetDaylightSaving(state, MinutesBetween(taken, before), before.abbrev);
    }
    return;
  }
  const auto standard = StandardTimeBefore(zone, taken);
  if (!standard) {
    state.isDaylightSaving = true;
    return;
  }
  if (standard->offset < taken.offset) {
    SetDaylightSaving(state, MinutesBetween(taken, *standard), standard->abbrev);
  }
}

ZoneState StateAt(const date::time_zone& zone, std::string_view zoneId, const CivilTime& time) {
  const date::local_seconds local =
      date::local_days{date::year{time.year} / time.month / time.day} + hours{time.hour} +
      minutes{time.minute} + seconds{time.second};
  const date::local_info info = zone.get_info(local);
  // `first` is the period before a jump, or the earlier of two readings: the one taken.
  const date::sys_info& taken = info.first;
  ZoneState state;
  state.zoneId = std::string(zoneId);
  state.localTime = time;
  state.offsetSeconds = static_cast<int>(taken.offset.count());
  state.abbreviation = taken.abbrev;
  state.kind = KindOf(info);
  if (state.kind != LocalTimeKind::Ordinary) {
    state.otherOffsetSeconds = static_cast<int>(info.second.offset.count());
  }
  DescribeDaylightSaving(zone, taken, state);
  return state;
}

}  // namespace

// date/tz reads the database once per process: without tzdata it holds no zones at all, and
// unreadable tzdata makes it throw.
std::optional<ZoneError> LoadZoneDatabase() {
  try {
    if (date::get_tzdb().zones.empty()) {
      return ZoneError{"The time-zone database is missing (install tzdata)"};
    }
  } catch (const std::exception& error) {
    return ZoneError{std::string("The time-zone database is missing or cannot be read: ") +
                     error.what()};
  }
  return std::nullopt;
}

std::variant<ZoneState, ZoneError> ZoneStateAt(std::string_view zoneId,
                                               const CivilTime& localTime) {
  if (auto problem = CivilTimeProblem(localTime)) return ZoneError{*problem};
  auto zone = FindZone(zoneId);
  if (auto* error = std::get_if<ZoneError>(&zone)) return *error;
  try {
    return StateAt(*std::get<const date::time_zone*>(zone), zoneId, localTime);
  } catch (const std::exception& error) {
    // A zone's file is read on first use; a damaged one throws here.
    return ZoneError{"The history of \"" + std::string(zoneId) +
                     "\" could not be read: " + error.what()};
  }
}

}  // namespace tarvel
