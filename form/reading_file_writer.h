#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/birth_data.h"
#include "form/reading_file.h"
#include "positions/sky_settings.h"

namespace tarvel {

/// Why the name or a place of the birth data cannot be saved: it holds a character a reading
/// file cannot hold (see windows_1252.h), e.g. `the city holds "ü" (U+00FC), which a reading
/// file cannot hold`. Nothing when all four can be saved. Such a text is refused rather than
/// changed, so that opening a saved reading always gives back what was saved.
std::optional<std::string> UnsavableText(const BirthData& birth);

/// The bytes of the reading file for the birth data, the zone and the sky of the last
/// calculation: 17 lines (two more for seconds or a zone that is not a row, three for a sky
/// other than the classic one, see docs/reading-file.md), each the scrambled value
/// text without surrounding spaces, ended by CR LF. Numbers are decimal, flags "True"/"False",
/// the name and places Windows-1252. The birth data must pass UnsavableText, as SaveReading
/// makes sure; a character no reading file can hold is a programmer's mistake here.
std::string ReadingFileBytes(const BirthData& birth, const ZoneChoice& zone,
                             const SkySettings& sky = {});

/// Saves the reading to `path`. A name or place a reading file cannot hold is refused, naming
/// it, and nothing is written. An existing file is replaced only once the new one is
/// completely written; when saving fails it stays as it was, and the error names the file
/// and the reason.
std::optional<FileError> SaveReading(const std::filesystem::path& path, const BirthData& birth,
                                     const ZoneChoice& zone, const SkySettings& sky = {});

}  // namespace tarvel
