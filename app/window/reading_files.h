#pragma once

#include <QString>

#include "app/window/file_chooser.h"
#include "app/window/input_view.h"
#include "chart/chart_state.h"
#include "chart/skies.h"
#include "form/message_sink.h"
#include "positions/sky.h"

namespace tarvel {

/// The save dialog's request: titled "Tarvel", for reading files, offering `lastSavePath`,
/// or before a first save the reading's `name` as a file name ("Asha-Rao.tvl").
FileDialogRequest SaveReadingRequest(const QString& lastSavePath, std::string_view name = {});

/// The open dialog's request: titled "Select the source file", offering no name.
FileDialogRequest OpenReadingRequest();

/// Saves the birth data of the state's last calculation with the zone and the sky it was
/// computed in to `path`. A failed save shows an error naming the file and the reason; true
/// when saved. Never throws.
bool SaveReadingTo(const QString& path, MessageSink& sink, const ChartState& state);

/// The save command: asks for a file name, offering the last one chosen, remembers the
/// choice in `lastSavePath` and saves there as SaveReadingTo does. Returns the file saved;
/// nothing when cancelled or failed. Never throws.
std::optional<QString> SaveReadingCommand(FileChooser& chooser, MessageSink& sink,
                                          const ChartState& state, QString& lastSavePath);

/// Opens the reading file at `path` as the open command does once a file is chosen: restores
/// the form and calculates its chart on `state`, in the sky the file names, else in `menuSky`;
/// true when the state holds the new chart. Coordinates off the globe or a day the month does
/// not have fill the form, get the form's message (and the cursor), and give no chart. A
/// damaged file shows "Please Check The File." and changes nothing. Never throws.
bool OpenReadingPath(const QString& path, MessageSink& sink, const InputControls& input,
                     ChartState& state, const Skies& skies, const SkySettings& menuSky);

/// The status bar's note on a reading opened in the sky it was saved in while the Sky menu
/// names another, e.g. "Opened in its own sky, Swiss Ephemeris, Lahiri ayanamsa, mean node;
/// the Sky menu stays at Classic formulas"; empty when the two agree.
QString OwnSkyNote(const ChartResult& chart, const SkySettings& menuSky);

}  // namespace tarvel
