#include "files/small_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "files/unique_fd.h"

namespace tarvel {
namespace {

// Opening a device can do something (rewind a tape, raise a modem line), and opening a pipe
// waits for a writer; so the kind of file is known before it is opened.
std::optional<SmallFileError> KindOrSizeRefusal(const struct stat& status, std::size_t maxBytes) {
  if (!S_ISREG(status.st_mode)) return SmallFileError::NotRegularFile;
  if (static_cast<std::size_t>(status.st_size) > maxBytes) return SmallFileError::TooLarge;
  return std::nullopt;
}

// Reads one byte past the limit, so a file that grew since it was looked at is noticed.
std::variant<std::string, SmallFileError> ReadUpTo(int fd, std::size_t maxBytes) {
  std::string bytes(maxBytes + 1, '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return SmallFileError::ReadFailed;
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  if (filled > maxBytes) return SmallFileError::TooLarge;
  bytes.resize(filled);
  return bytes;
}

}  // namespace

std::variant<std::string, SmallFileError> ReadSmallRegularFile(const std::filesystem::path& path,
                                                               std::size_t maxBytes) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return SmallFileError::CannotOpen;
  if (auto refusal = KindOrSizeRefusal(status, maxBytes)) return *refusal;
  // Should a pipe have taken the file's place meanwhile, O_NONBLOCK keeps the open from
  // waiting for a writer; the second look refuses it.
  const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.Valid()) return SmallFileError::CannotOpen;
  if (::fstat(file.Get(), &status) != 0) return SmallFileError::ReadFailed;
  if (auto refusal = KindOrSizeRefusal(status, maxBytes)) return *refusal;
  return ReadUpTo(file.Get(), maxBytes);
}

}  // namespace tarvel
