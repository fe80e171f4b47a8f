#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/reading_file.h"
#include "base/birth_data.h"

namespace tarvel {

/// The bytes of the reading file for the birth data of the last calculation and the
/// time-zone row (0-70) selected in the form at saving: 17 lines, each the scrambled value
/// text without surrounding spaces, ended by CR LF. Numbers are decimal, flags "True"/"False".
std::string ReadingFileBytes(const BirthData& birth, int zoneRow);

/// Saves the reading to `path`. An existing file is replaced only once the new one is
/// completely written; when saving fails it stays as it was, and the error names the file
/// and the reason.
std::optional<FileError> SaveReading(const std::filesystem::path& path, const BirthData& birth,
                                     int zoneRow);

}  // namespace tarvel
