#include "form/calculation_driver.h"

#include <cstdlib>

#include "base/text.h"
#include "base/time_zones.h"

namespace tarvel {
namespace {

std::int16_t Magnitude(int value) {
  return static_cast<std::int16_t>(std::abs(value));
}

// Seconds local clock minus universal time that the zone gives, daylight saving aside.
int StandardOffsetSeconds(const ZoneChoice& zone, const BirthData& birth) {
  switch (zone.kind) {
    case ZoneKind::Offset:
      return zone.offsetSeconds;
    case ZoneKind::LocalMeanTime: {
      const double magnitudeDeg = birth.LonDeg + birth.LonMin / 60.0;
      return LocalMeanTimeOffsetSeconds(birth.IsEast != kFalse ? magnitudeDeg : -magnitudeDeg);
    }
    case ZoneKind::Row:
      break;
  }
  return MinutesAheadOfUniversalTime(kTimeZones.at(zone.row)) * 60;
}

}  // namespace

void ReadBirthData(const BirthForm& form, ChartState& state) {
  BirthData& birth = state.BirthData;
  birth.BirthName = form.txtName;
  const CivilTime local = FormCivilTime(form);
  birth.BirthMonth = static_cast<std::int16_t>(local.month);
  birth.BirthDay = static_cast<std::int16_t>(local.day);
  birth.BirthYear = static_cast<std::int16_t>(local.year);
  birth.BirthHour = static_cast<std::int16_t>(local.hour);
  birth.BirthMinute = static_cast<std::int16_t>(local.minute);
  birth.BirthSecond = static_cast<std::int16_t>(local.second);
  birth.LonDeg = form.txtLonDeg.Value();
  birth.LonMin = form.txtLonMin.Value();
  birth.LatDeg = form.txtLatDeg.Value();
  birth.LatMin = form.txtLatMin.Value();
  birth.IsEast = ToFlag16(form.optLong == LongitudeChoice::East);
  birth.IsSouth = ToFlag16(form.optLat == LatitudeChoice::South);
  birth.BirthCity = TrimSpaces(form.txtCity);
  birth.BirthState = TrimSpaces(form.txtState);
  birth.BirthCountry = TrimSpaces(form.txtCountry);
  state.Zone = FormZone(form);
  SetBirthZone(state.Zone, form.chkDST, birth);
}

void SetBirthZone(const ZoneChoice& zone, bool daylightSaving, BirthData& birth) {
  // An exact offset or local mean time has no daylight-saving box.
  birth.IsDST = ToFlag16(daylightSaving && zone.kind == ZoneKind::Row);
  // The record keeps magnitudes (whole minutes); the instant takes the zone itself.
  const int offsetSeconds = StandardOffsetSeconds(zone, birth);
  birth.ZoneHours = Magnitude(offsetSeconds / 3600);
  birth.ZoneMinutes = Magnitude(offsetSeconds / 60 % 60);
}

void RunCalculationChain(ChartState& state, const Sky& sky, std::optional<Varga> varga,
                         ChartParts parts) {
  ComputeChartInto(state.Chart, state.BirthData, state.Zone, sky, varga, parts);
}

std::optional<Refusal> CalculateReading(BirthForm& form, ChartState& state, MessageSink& sink,
                                        const Sky& sky) {
  if (auto refusal = ValidateInput(form, sink)) return refusal;
  ReadBirthData(form, state);
  RunCalculationChain(state, sky);
  return std::nullopt;
}

}  // namespace tarvel
