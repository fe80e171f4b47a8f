#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "chart/chart_state.h"
#include "form/birth_form.h"
#include "form/reading_file.h"
#include "positions/sky.h"

namespace tarvel {

/// Whether a chosen file name may be opened as a reading: its last three characters are
/// exactly "tvl", letter case included.
bool HasReadingFileEnding(std::string_view fileName);

/// Opens a reading from the bytes of its file: restores the form, copies it into BirthData
/// and runs the calculation chain in `sky`. Of the form's validation only the coordinate rules
/// are run: coordinates off the globe fill the form and are refused with the form's own
/// message and the box for the cursor, computing nothing. A damaged file is refused with
/// "Please Check The File." and changes nothing.
std::optional<FileError> OpenReadingBytes(std::string_view bytes, BirthForm& form,
                                          ChartState& state, const Sky& sky);

/// Opens the reading file at `path` as OpenReadingBytes does. A name not ending in "tvl"
/// and a file that cannot be read are refused with "Please Check The File." as well.
std::optional<FileError> OpenReading(const std::filesystem::path& path, BirthForm& form,
                                     ChartState& state, const Sky& sky);

}  // namespace tarvel
