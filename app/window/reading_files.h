#pragma once

#include <QString>

#include "app/message_sink.h"
#include "app/window/file_chooser.h"
#include "app/window/input_view.h"
#include "chart/chart_state.h"
#include "positions/sky.h"

namespace tarvel {

/// The save dialog's request: titled "Tarvel", offering `lastSavePath`, for reading files.
FileDialogRequest SaveReadingRequest(const QString& lastSavePath);

/// The open dialog's request: titled "Select the source file", offering no name.
FileDialogRequest OpenReadingRequest();

/// The save command: asks for a file name, offering the last one chosen, remembers the
/// choice in `lastSavePath` and saves the birth data of the last calculation with the zone
/// it was computed in. A failed save shows an error naming the file
/// and the reason; success shows nothing. Cancelling changes nothing. Never throws.
void SaveReadingCommand(FileChooser& chooser, MessageSink& sink, const BirthData& birth,
                        const ZoneChoice& zone, QString& lastSavePath);

/// The open command: asks for a reading file, restores the form in the input view from it
/// and calculates its chart and reading on `state` in `sky`; true when the state holds the
/// new chart, for the caller to show. Of the validation only the coordinate rules run:
/// coordinates off the globe fill the form, get the form's message and put the cursor in
/// their box, and no chart is computed. A name not ending in "tvl" or a damaged file is
/// refused with "Please Check The File." and changes nothing. Cancelling changes nothing.
/// Never throws.
bool OpenReadingCommand(FileChooser& chooser, MessageSink& sink, const InputControls& input,
                        ChartState& state, const Sky& sky);

/// Opens the reading file at `path` as the open command does once a file is chosen: restores
/// the form and calculates its chart on `state`; true when the state holds the new chart.
/// Coordinates off the globe fill the form, get the form's message and the cursor, and give
/// no chart. A damaged file shows "Please Check The File." and changes nothing. Never throws.
bool OpenReadingPath(const QString& path, MessageSink& sink, const InputControls& input,
                     ChartState& state, const Sky& sky);

}  // namespace tarvel
