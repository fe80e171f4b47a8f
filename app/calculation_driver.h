#pragma once

#include <optional>

#include "app/birth_form.h"
#include "app/message_sink.h"
#include "app/validation.h"
#include "argala/result_view.h"
#include "ephemeris/chart_state.h"

namespace tarvel {

/// Copies the form into BirthData, field by field. The zone offset's magnitude comes from
/// the time-zone tables in the state at the selected row; the name is kept as typed, the
/// place names are trimmed. Every field is written: the digits boxes can only hold digits
/// (DigitText) and the list indices are within their lists, so no value is left stale.
void ReadBirthData(const BirthForm& form, ChartState& state);

/// The calculation chain on a filled BirthData: ascendant, Moon, planets, Argala.
void RunCalculationChain(ChartState& state, ResultView& view);

/// The calculate command: validation, the time-zone tables, ReadBirthData and the chain.
/// Returns the refusal when the form was refused; then nothing but the form's missing
/// direction has changed.
std::optional<Refusal> CalculateReading(BirthForm& form, ChartState& state, MessageSink& sink,
                                        ResultView& view);

}  // namespace tarvel
