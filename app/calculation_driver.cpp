#include "app/calculation_driver.h"

#include <cstdlib>

#include "base/text.h"
#include "base/time_zones.h"

namespace tarvel {
namespace {

std::int16_t Magnitude(std::int16_t value) {
  return static_cast<std::int16_t>(std::abs(value));
}

}  // namespace

void ReadBirthData(const BirthForm& form, ChartState& state) {
  BirthData& birth = state.BirthData;
  birth.BirthName = form.txtName;
  birth.BirthMonth = static_cast<std::int16_t>(form.cboMonth + 1);
  // The day, year, hour and minute lists show their numbers, so each text is index + first.
  birth.BirthDay = static_cast<std::int16_t>(form.cboDate + 1);
  birth.BirthYear = static_cast<std::int16_t>(kFirstYear + form.cboYear);
  birth.BirthHour = static_cast<std::int16_t>(form.cboHour);
  birth.BirthMinute = static_cast<std::int16_t>(form.cboMinute);
  // The record keeps magnitudes; the instant takes the direction from the row itself.
  const TimeZoneRow& zone = kTimeZones.at(form.cboTimeZone);
  birth.ZoneHours = Magnitude(zone.hours);
  birth.ZoneMinutes = Magnitude(zone.minutes);
  birth.LonDeg = form.txtLonDeg.Value();
  birth.LonMin = form.txtLonMin.Value();
  birth.LatDeg = form.txtLatDeg.Value();
  birth.LatMin = form.txtLatMin.Value();
  birth.IsEast = ToFlag16(form.optLong == LongitudeChoice::East);
  birth.IsSouth = ToFlag16(form.optLat == LatitudeChoice::South);
  birth.IsDST = ToFlag16(form.chkDST);
  birth.BirthCity = TrimSpaces(form.txtCity);
  birth.BirthState = TrimSpaces(form.txtState);
  birth.BirthCountry = TrimSpaces(form.txtCountry);
  state.ZoneRow = form.cboTimeZone;
}

void RunCalculationChain(ChartState& state, const Sky& sky) {
  state.Chart = ComputeChart(state.BirthData, state.ZoneRow, sky);
}

std::optional<Refusal> CalculateReading(BirthForm& form, ChartState& state, MessageSink& sink,
                                        const Sky& sky) {
  if (auto refusal = ValidateInput(form, sink)) return refusal;
  ReadBirthData(form, state);
  RunCalculationChain(state, sky);
  return std::nullopt;
}

}  // namespace tarvel
