#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <variant>

namespace tarvel {

/// Why a small file could not be read.
enum class SmallFileError {
  CannotOpen,      ///< missing, not permitted, or a broken path
  NotRegularFile,  ///< a folder, named pipe, device or socket
  TooLarge,        ///< more bytes than the caller allows
  ReadFailed,      ///< an input/output error while reading
};

/// The whole content of the regular file at `path` (symbolic links followed), when it holds
/// at most `maxBytes`. Anything but a regular file is refused before it is opened, so a
/// named pipe never blocks the caller and a device is never read; a file swapped for one
/// between the look and the open is refused too. A file over the limit is not read whole.
std::variant<std::string, SmallFileError> ReadSmallRegularFile(const std::filesystem::path& path,
                                                               std::size_t maxBytes);

}  // namespace tarvel
