#include "atlas/zone_decision.h"

#include "atlas/zone_row.h"
#include "base/date_text.h"

namespace tarvel {
namespace {

// tzdata's mean time is that of the zone's main city; the chart takes the birth place's own,
// from its longitude, and the note quotes that.
std::string LocalMeanTimeNote(const ZoneState& state, double longitudeEastDeg) {
  return state.zoneId + " on " +
         DateText(state.localTime.year, state.localTime.month, state.localTime.day) +
         ": local mean time (LMT); the place's own is taken, " +
         UtcOffsetText(LocalMeanTimeOffsetSeconds(longitudeEastDeg)) + " at its longitude";
}

ZoneDecision FromState(const ZoneState& state, double longitudeEastDeg) {
  const ZoneRowChoice choice = ChooseZoneRow(state);
  ZoneDecision decision;
  decision.note = choice.note;
  decision.daylightSavingInForce = state.isDaylightSaving;
  if (choice.row) {
    decision.zone = RowZone(*choice.row);
    decision.daylightSavingTicked = choice.daylightSavingTicked;
  } else if (state.abbreviation == "LMT") {
    decision.zone = LocalMeanTimeZone();
    decision.note = LocalMeanTimeNote(state, longitudeEastDeg);
  } else {
    decision.zone = OffsetZone(state.offsetSeconds);
    decision.label =
        state.zoneId + ", " + state.abbreviation + ", " + UtcOffsetText(state.offsetSeconds);
    decision.note += choice.rowOfAnotherRegion ? ": taken as an exact offset" : ": taken as it is";
  }
  return decision;
}

// The zone's standard time in the last year of its history: of a winter and a summer day, the
// one without daylight saving.
std::variant<ZoneState, ZoneError> LastStandardTime(std::string_view zoneId) {
  std::variant<ZoneState, ZoneError> state;
  for (int month : {1, 7}) {
    state = ZoneStateAt(zoneId, {kLastZoneHistoryYear, month, 15, 12, 0, 0});
    const auto* found = std::get_if<ZoneState>(&state);
    if (found == nullptr || !found->isDaylightSaving) return state;
  }
  return state;
}

ZoneDecision AfterHistory(ZoneState standard, const CivilTime& localTime, double longitudeEastDeg) {
  standard.localTime = localTime;
  ZoneDecision decision = FromState(standard, longitudeEastDeg);
  decision.daylightSavingTicked = false;
  decision.daylightSavingInForce = false;
  decision.daylightSavingKnown = false;
  decision.note = standard.zoneId + " on " +
                  DateText(localTime.year, localTime.month, localTime.day) +
                  ": the zone's history ends with " + std::to_string(kLastZoneHistoryYear) +
                  ", so its standard time " + UtcOffsetText(standard.offsetSeconds) + " (" +
                  standard.abbreviation + ") is taken; daylight saving is not known";
  if (decision.zone.kind == ZoneKind::Row) {
    decision.note += ": tick the box yourself if it was in force";
  }
  return decision;
}

}  // namespace

std::variant<ZoneDecision, ZoneError> DecideZone(std::string_view zoneId,
                                                 const CivilTime& localTime,
                                                 double longitudeEastDeg) {
  const auto state = ZoneStateAt(zoneId, localTime);
  if (const auto* error = std::get_if<ZoneError>(&state)) return *error;
  if (localTime.year <= kLastZoneHistoryYear) {
    return FromState(std::get<ZoneState>(state), longitudeEastDeg);
  }
  const auto standard = LastStandardTime(zoneId);
  if (const auto* error = std::get_if<ZoneError>(&standard)) return *error;
  return AfterHistory(std::get<ZoneState>(standard), localTime, longitudeEastDeg);
}

}  // namespace tarvel
