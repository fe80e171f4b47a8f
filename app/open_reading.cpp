#include "app/open_reading.h"

#include <cstddef>
#include <string>
#include <variant>

#include "app/calculation_driver.h"
#include "app/reading_file_reader.h"
#include "app/files/small_file.h"
#include "app/validation.h"

namespace tarvel {
namespace {

// A reading is a few hundred bytes; a bigger file is some other file, not read whole.
constexpr std::size_t kMaxReadingFileBytes = std::size_t{1} << 20;

FileError CheckFileError() {
  return FileError{std::string(kCheckFileMessage)};
}

}  // namespace

bool HasReadingFileEnding(std::string_view fileName) {
  return fileName.ends_with(kReadingFileEnding);
}

std::optional<FileError> OpenReadingBytes(std::string_view bytes, BirthForm& form,
                                          ChartState& state, const Sky& sky) {
  auto restored = ParseReadingFile(bytes);
  if (!restored) return CheckFileError();
  form = std::move(*restored);
  // A file may hold any digits; a place off the globe gets the message typing it would get.
  if (auto refusal = FindImpossibleCoordinates(form)) {
    return FileError{std::string(refusal->message), refusal->focus};
  }
  ReadBirthData(form, state);
  RunCalculationChain(state, sky);
  return std::nullopt;
}

std::optional<FileError> OpenReading(const std::filesystem::path& path, BirthForm& form,
                                     ChartState& state, const Sky& sky) {
  if (!HasReadingFileEnding(path.string())) return CheckFileError();
  const auto read = ReadSmallRegularFile(path, kMaxReadingFileBytes);
  const auto* bytes = std::get_if<std::string>(&read);
  if (bytes == nullptr) return CheckFileError();
  return OpenReadingBytes(*bytes, form, state, sky);
}

}  // namespace tarvel
