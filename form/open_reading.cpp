#include "form/open_reading.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <variant>

#include "files/small_file.h"
#include "form/calculation_driver.h"
#include "form/reading_file_reader.h"
#include "form/validation.h"

namespace tarvel {
namespace {

// A reading is a few hundred bytes; a bigger file is some other file, not read whole.
constexpr std::size_t kMaxReadingFileBytes = std::size_t{1} << 20;

FileError CheckFileError(std::string reason) {
  return FileError{std::string(kCheckFileMessage), std::nullopt, std::move(reason)};
}

// Why a file could not be read, for the message's details.
constexpr std::array<std::pair<SmallFileError, std::string_view>, 4> kReadRefusals{{
    {SmallFileError::CannotOpen, "The file is missing or may not be read."},
    {SmallFileError::NotRegularFile, "It is a folder or a device, not a file."},
    {SmallFileError::TooLarge, "It is far too large to be a reading."},
    {SmallFileError::ReadFailed, "The disk could not read it."},
}};

std::string ReadRefusal(SmallFileError error) {
  for (const auto& [kind, text] : kReadRefusals) {
    if (kind == error) return std::string(text);
  }
  return {};
}

}  // namespace

bool HasReadingFileEnding(std::string_view fileName) {
  return fileName.ends_with(kReadingFileEnding);
}

std::optional<FileError> OpenReadingBytes(std::string_view bytes, BirthForm& form,
                                          ChartState& state, const Sky& sky) {
  auto restored = ParseReadingFile(bytes);
  if (!restored) return CheckFileError("Its content is not a reading, or it is damaged.");
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
  if (!HasReadingFileEnding(path.string())) {
    return CheckFileError("Its name does not end in \"tvl\".");
  }
  const auto read = ReadSmallRegularFile(path, kMaxReadingFileBytes);
  const auto* bytes = std::get_if<std::string>(&read);
  if (bytes == nullptr) return CheckFileError(ReadRefusal(std::get<SmallFileError>(read)));
  return OpenReadingBytes(*bytes, form, state, sky);
}

}  // namespace tarvel
