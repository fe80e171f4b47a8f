#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <variant>

#include "chart/chart_state.h"
#include "chart/skies.h"
#include "form/birth_form.h"
#include "form/reading_file.h"
#include "positions/sky_settings.h"

namespace tarvel {

/// Whether a chosen file name may be opened as a reading: its last three characters are
/// exactly "tvl", letter case included.
bool HasReadingFileEnding(std::string_view fileName);

/// A reading file restored into the form: the sky the reading was saved in (none when it was
/// saved in the classic sky or by an earlier version), or why the file is refused.
using RestoredReading = std::variant<std::optional<SkySettings>, FileError>;

/// Restores the form from the bytes of a reading file and checks it as typed input is checked,
/// name and place aside: coordinates off the globe and a day the month does not have (31 April,
/// 29 February 1900) fill the form and are refused with the form's own message, icon and box
/// for the cursor (`filledForm`). A damaged file is refused with "Please Check The File." and
/// leaves the form as it was.
RestoredReading RestoreReadingBytes(std::string_view bytes, BirthForm& form);

/// Restores the reading file at `path` as RestoreReadingBytes does. A name not ending in "tvl"
/// and a file that cannot be read are refused with "Please Check The File." as well.
RestoredReading RestoreReading(const std::filesystem::path& path, BirthForm& form);

/// Opens a reading from the bytes of its file: restores the form (RestoreReadingBytes), copies
/// it into BirthData and runs the calculation chain in the sky the file names, else in
/// `fallback`. A refused file computes nothing.
std::optional<FileError> OpenReadingBytes(std::string_view bytes, BirthForm& form,
                                          ChartState& state, const Skies& skies,
                                          const SkySettings& fallback = {});

/// Opens the reading file at `path` as OpenReadingBytes does, refusing as RestoreReading does.
std::optional<FileError> OpenReading(const std::filesystem::path& path, BirthForm& form,
                                     ChartState& state, const Skies& skies,
                                     const SkySettings& fallback = {});

}  // namespace tarvel
