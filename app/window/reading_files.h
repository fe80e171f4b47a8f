#pragma once

#include <QString>

#include "app/message_sink.h"
#include "app/window/file_chooser.h"
#include "app/window/input_view.h"
#include "argala/result_view.h"
#include "ephemeris/chart_state.h"

namespace tarvel {

/// The save dialog's request: titled "Tarvel", offering `lastSavePath`, for reading files.
FileDialogRequest SaveReadingRequest(const QString& lastSavePath);

/// The open dialog's request: titled "Select the source file", offering no name.
FileDialogRequest OpenReadingRequest();

/// The save command: asks for a file name, offering the last one chosen, remembers the
/// choice in `lastSavePath` and saves the birth data of the last calculation with the
/// time-zone row (0-70) selected in the form. A failed save shows an error naming the file
/// and the reason; success shows nothing. Cancelling changes nothing. Never throws.
void SaveReadingCommand(FileChooser& chooser, MessageSink& sink, const BirthData& birth,
                        int zoneRow, QString& lastSavePath);

/// The open command: asks for a reading file, restores the form in the input view from it
/// and calculates its chart and reading on `state`, which `view` shows, bringing the result
/// view to the front. Runs neither validation nor the time-zone tables: the state's tables
/// must be filled. A name not ending in "tvl" or a damaged file is refused with "Please
/// Check The File." and changes nothing. Cancelling changes nothing. Never throws.
void OpenReadingCommand(FileChooser& chooser, MessageSink& sink, const InputControls& input,
                        ChartState& state, ResultView& view);

}  // namespace tarvel
