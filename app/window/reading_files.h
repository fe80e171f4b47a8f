#pragma once

#include <QString>

#include "app/window/file_chooser.h"
#include "app/window/input_view.h"
#include "chart/chart_state.h"
#include "form/message_sink.h"
#include "positions/sky.h"

namespace tarvel {

/// The save dialog's request: titled "Tarvel", for reading files, offering `lastSavePath`,
/// or before a first save the reading's `name` as a file name ("Asha-Rao.tvl").
FileDialogRequest SaveReadingRequest(const QString& lastSavePath, std::string_view name = {});

/// The open dialog's request: titled "Select the source file", offering no name.
FileDialogRequest OpenReadingRequest();

/// Saves the birth data of the last calculation with the zone it was computed in to `path`.
/// A failed save shows an error naming the file and the reason; true when saved. Never throws.
bool SaveReadingTo(const QString& path, MessageSink& sink, const BirthData& birth,
                   const ZoneChoice& zone);

/// The save command: asks for a file name, offering the last one chosen, remembers the
/// choice in `lastSavePath` and saves there as SaveReadingTo does. Returns the file saved;
/// nothing when cancelled or failed. Never throws.
std::optional<QString> SaveReadingCommand(FileChooser& chooser, MessageSink& sink,
                                          const BirthData& birth, const ZoneChoice& zone,
                                          QString& lastSavePath);

/// Opens the reading file at `path` as the open command does once a file is chosen: restores
/// the form and calculates its chart on `state`; true when the state holds the new chart.
/// Coordinates off the globe fill the form, get the form's message and the cursor, and give
/// no chart. A damaged file shows "Please Check The File." and changes nothing. Never throws.
bool OpenReadingPath(const QString& path, MessageSink& sink, const InputControls& input,
                     ChartState& state, const Sky& sky);

}  // namespace tarvel
