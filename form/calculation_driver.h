#pragma once

#include <optional>

#include "chart/chart_state.h"
#include "form/birth_form.h"
#include "form/message_sink.h"
#include "form/validation.h"
#include "positions/sky.h"

namespace tarvel {

/// Copies the form into BirthData, field by field, and keeps the zone row. The zone offset's
/// magnitude comes from the time-zone list at the selected row; the name is kept as typed,
/// the place names are trimmed. Every field is written: the digits boxes can only hold digits
/// (DigitText) and the list indices are within their lists, so no value is left stale.
void ReadBirthData(const BirthForm& form, ChartState& state);

/// Writes a zone into the record as it keeps one: the magnitude of the standard offset (the
/// list's row, the exact offset, or the local mean time of the record's longitude, which must
/// be set first) and daylight saving, which only a row takes.
void SetBirthZone(const ZoneChoice& zone, bool daylightSaving, BirthData& birth);

/// The calculation chain on a filled BirthData: the sky places the points, then the signs in
/// the varga (the Rasi chart when none is asked for), Argala, the reading and the synthesis
/// (unless `parts` leaves them out); the chart replaces the state's last one.
void RunCalculationChain(ChartState& state, const Sky& sky,
                         std::optional<Varga> varga = std::nullopt, ChartParts parts = {});

/// The calculate command: validation, ReadBirthData and the chain. Returns the refusal when
/// the form was refused; then nothing but the form's missing direction has changed.
std::optional<Refusal> CalculateReading(BirthForm& form, ChartState& state, MessageSink& sink,
                                        const Sky& sky);

}  // namespace tarvel
