#include "atlas/zone_row.h"

#include <string_view>
#include <utility>

#include "atlas/zone_row_names.h"
#include "atlas/zone_text.h"
#include "base/date_text.h"

namespace tarvel {
namespace {

// A row of the offset whose abbreviation is the zone's, else the lowest that the zone's own
// names include; a row of the right offset but another region's name is none.
std::optional<int> BestRow(std::span<const TimeZoneRow> rows, int minutesAhead,
                           std::string_view abbreviation, std::string_view zoneId) {
  std::optional<int> named;
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    if (MinutesAheadOfUniversalTime(rows[i]) != minutesAhead) continue;
    if (!abbreviation.empty() && rows[i].abbreviation == abbreviation) return i;
    if (!named && ZoneNamesRow(zoneId, RowZoneName(rows[i]))) named = i;
  }
  return named;
}

ZoneRowChoice PickRow(const ZoneState& state, std::span<const TimeZoneRow> rows) {
  if (state.offsetSeconds % 60 != 0) return {};
  const int minutesAhead = state.offsetSeconds / 60;
  if (state.isDaylightSaving) {
    if (auto row = BestRow(rows, minutesAhead - 60, state.standardAbbreviation, state.zoneId)) {
      return {row, true, false, {}};
    }
  }
  return {BestRow(rows, minutesAhead, state.abbreviation, state.zoneId), false, false, {}};
}

std::string InForceText(const ZoneState& state) {
  std::string text = state.zoneId + " on " +
                     DateText(state.localTime.year, state.localTime.month, state.localTime.day) +
                     ": " + UtcOffsetText(state.offsetSeconds) + ", ";
  text += state.isDaylightSaving ? "daylight saving in force" : "no daylight saving";
  std::string detail = state.abbreviation;
  const auto saving = state.daylightSavingMinutes;
  if (state.isDaylightSaving && saving && *saving != 60) {
    detail += (detail.empty() ? "" : ", ") + MinutesText(*saving) + " ahead of standard time";
  }
  if (!detail.empty()) text += " (" + detail + ")";
  return text;
}

std::string KindText(const ZoneState& state) {
  const std::string clock = ClockText(state.localTime.hour, state.localTime.minute);
  const std::string other = UtcOffsetText(state.otherOffsetSeconds.value_or(0));
  switch (state.kind) {
    case LocalTimeKind::Skipped:
      return "; " + clock + " did not exist that day (the clocks went forward to " + other +
             "), so it is read as if they had not yet changed";
    case LocalTimeKind::Repeated:
      return "; " + clock + " happened twice that day (the clocks went back to " + other +
             "), so the first is taken";
    case LocalTimeKind::Ordinary:
      break;
  }
  return {};
}

// The lowest row giving the offset in force, by itself or with the box under daylight saving.
std::optional<std::pair<int, bool>> RowWithOffset(const ZoneState& state,
                                                  std::span<const TimeZoneRow> rows) {
  if (state.offsetSeconds % 60 != 0) return std::nullopt;
  for (const bool ticked : {false, true}) {
    if (ticked && !state.isDaylightSaving) break;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
      if (MinutesAheadWithBox(rows[i], ticked) * 60 == state.offsetSeconds) return {{i, ticked}};
    }
  }
  return std::nullopt;
}

// "Indian Time is UTC+05:30, but Asia/Kathmandu in 1980 is not Indian time".
std::string AnotherRegionText(const ZoneState& state, const TimeZoneRow& row, bool ticked) {
  const std::string name(RowZoneName(row));
  std::string clock = name;
  if (clock.ends_with(" Time")) clock.replace(clock.size() - 4, 4, "time");
  return "; " + name + (ticked ? " with daylight saving" : "") + " is " +
         UtcOffsetText(state.offsetSeconds) + ", but " + state.zoneId + " in " +
         std::to_string(state.localTime.year) + " is not " + clock;
}

std::string ChoiceText(const ZoneState& state, const ZoneRowChoice& choice,
                       std::span<const TimeZoneRow> rows) {
  if (!choice.row) {
    if (const auto other = RowWithOffset(state, rows)) {
      return AnotherRegionText(state, rows[other->first], other->second);
    }
    return "; no row of the list has " + UtcOffsetText(state.offsetSeconds);
  }
  std::string text = "; chosen: " + std::string(RowZoneName(rows[*choice.row]));
  if (choice.daylightSavingTicked) return text + " with daylight saving ticked";
  if (state.isDaylightSaving) return text + ", box unticked as no row is one hour behind";
  return text;
}

}  // namespace

ZoneRowChoice ChooseZoneRow(const ZoneState& state, std::span<const TimeZoneRow> rows) {
  ZoneRowChoice choice = PickRow(state, rows);
  choice.rowOfAnotherRegion = !choice.row && RowWithOffset(state, rows).has_value();
  choice.note = InForceText(state) + KindText(state) + ChoiceText(state, choice, rows);
  return choice;
}

}  // namespace tarvel
