#include "app/open_reading.h"

#include <cstddef>
#include <fstream>
#include <string>

#include "app/calculation_driver.h"
#include "app/reading_file_reader.h"

namespace tarvel {
namespace {

// A reading is a few hundred bytes; a bigger file is some other file, not read whole.
constexpr std::size_t kMaxReadingFileBytes = std::size_t{1} << 20;

FileError CheckFileError() {
  return FileError{std::string(kCheckFileMessage)};
}

std::optional<std::string> ReadReadingFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes(kMaxReadingFileBytes + 1, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  if (bytes.size() > kMaxReadingFileBytes) return std::nullopt;
  return bytes;
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
  ReadBirthData(form, state);
  RunCalculationChain(state, sky);
  return std::nullopt;
}

std::optional<FileError> OpenReading(const std::filesystem::path& path, BirthForm& form,
                                     ChartState& state, const Sky& sky) {
  if (!HasReadingFileEnding(path.string())) return CheckFileError();
  const auto bytes = ReadReadingFile(path);
  if (!bytes) return CheckFileError();
  return OpenReadingBytes(*bytes, form, state, sky);
}

}  // namespace tarvel
