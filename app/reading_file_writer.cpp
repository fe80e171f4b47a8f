#include "app/reading_file_writer.h"

#include <array>

#include "app/replace_file.h"
#include "app/scramble.h"
#include "base/text.h"

namespace tarvel {
namespace {

std::string NumberText(int value) {
  return std::to_string(value);
}

std::string TruthText(Flag16 flag) {
  return flag != kFalse ? "True" : "False";
}

// The value texts in file order (see ReadingLine).
std::array<std::string, kReadingLineCount> ValueTexts(const BirthData& birth, int zoneRow) {
  return {birth.BirthName,
          NumberText(birth.BirthMonth),
          NumberText(birth.BirthDay),
          NumberText(birth.BirthYear),
          NumberText(birth.BirthHour),
          NumberText(birth.BirthMinute),
          NumberText(zoneRow),
          NumberText(birth.LonDeg),
          NumberText(birth.LonMin),
          NumberText(birth.LatDeg),
          NumberText(birth.LatMin),
          TruthText(birth.IsEast),
          TruthText(birth.IsSouth),
          TruthText(birth.IsDST),
          birth.BirthCity,
          birth.BirthState,
          birth.BirthCountry};
}

}  // namespace

std::string ReadingFileBytes(const BirthData& birth, int zoneRow) {
  std::string bytes;
  for (const std::string& text : ValueTexts(birth, zoneRow)) {
    bytes += ScrambleText(TrimSpaces(text));
    bytes += kReadingLineEnd;
  }
  return bytes;
}

std::optional<FileError> SaveReading(const std::filesystem::path& path, const BirthData& birth,
                                     int zoneRow) {
  const auto reason = ReplaceFileContents(path, ReadingFileBytes(birth, zoneRow));
  if (!reason) return std::nullopt;
  return FileError{"Could not save \"" + path.string() + "\": " + *reason + "."};
}

}  // namespace tarvel
