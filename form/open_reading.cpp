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

// The rules typed input must pass that a file can break: its digits and its day are free.
std::optional<Refusal> FormRefusal(const BirthForm& form) {
  if (auto refusal = FindImpossibleCoordinates(form)) return refusal;
  return FindImpossibleDate(form);
}

std::optional<FileError> Computed(const RestoredReading& restored, const BirthForm& form,
                                  ChartState& state, const Skies& skies,
                                  const SkySettings& fallback) {
  if (const auto* error = std::get_if<FileError>(&restored)) return *error;
  ReadBirthData(form, state);
  RunCalculationChain(state,
                      skies.For(std::get<std::optional<SkySettings>>(restored).value_or(fallback)));
  return std::nullopt;
}

}  // namespace

bool HasReadingFileEnding(std::string_view fileName) {
  return fileName.ends_with(kReadingFileEnding);
}

RestoredReading RestoreReadingBytes(std::string_view bytes, BirthForm& form) {
  std::optional<SkySettings> sky;
  auto restored = ParseReadingFile(bytes, &sky);
  if (!restored) return CheckFileError("Its content is not a reading, or it is damaged.");
  form = std::move(*restored);
  if (auto refusal = FormRefusal(form)) {
    return FileError{std::string(refusal->message), refusal->focus, {}, refusal->icon, true};
  }
  return sky;
}

RestoredReading RestoreReading(const std::filesystem::path& path, BirthForm& form) {
  if (!HasReadingFileEnding(path.string())) {
    return CheckFileError("Its name does not end in \"tvl\".");
  }
  const auto read = ReadSmallRegularFile(path, kMaxReadingFileBytes);
  const auto* bytes = std::get_if<std::string>(&read);
  if (bytes == nullptr) return CheckFileError(ReadRefusal(std::get<SmallFileError>(read)));
  return RestoreReadingBytes(*bytes, form);
}

std::optional<FileError> OpenReadingBytes(std::string_view bytes, BirthForm& form,
                                          ChartState& state, const Skies& skies,
                                          const SkySettings& fallback) {
  return Computed(RestoreReadingBytes(bytes, form), form, state, skies, fallback);
}

std::optional<FileError> OpenReading(const std::filesystem::path& path, BirthForm& form,
                                     ChartState& state, const Skies& skies,
                                     const SkySettings& fallback) {
  return Computed(RestoreReading(path, form), form, state, skies, fallback);
}

}  // namespace tarvel
