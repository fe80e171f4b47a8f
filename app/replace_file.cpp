#include "app/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace tarvel {
namespace {

namespace fs = std::filesystem;

// Another writer may pick the same random name; a few draws make that practically impossible.
constexpr int kTempNameAttempts = 16;
constexpr mode_t kPermissionBits = 0777;

struct TempFile {
  int fd = -1;
  fs::path path;
};

std::string Reason(int error) {
  return std::generic_category().message(error);
}

// Creates a new file beside the target under a name nobody holds. Returns errno, 0 on success.
int CreateTempBeside(const fs::path& target, TempFile& temp) {
  std::random_device random;
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    temp.path = target;
    temp.path += ".tmp" + std::to_string(random());
    temp.fd = ::open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (temp.fd >= 0) return 0;
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Writes, sets the kept permissions and forces the data to disk before the rename, so the
// renamed file is never seen empty after a crash. Closes the file in every case.
int FillAndClose(const TempFile& temp, std::string_view bytes, std::optional<mode_t> keptMode) {
  int error = WriteAll(temp.fd, bytes);
  if (error == 0 && keptMode && ::fchmod(temp.fd, *keptMode) != 0) error = errno;
  if (error == 0 && ::fsync(temp.fd) != 0) error = errno;
  if (::close(temp.fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

std::optional<std::string> ReplaceFileContents(const fs::path& target, std::string_view bytes) {
  struct stat existing {};
  std::optional<mode_t> keptMode;
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    if ((existing.st_mode & S_IWUSR) == 0) return "The file is read-only";
    keptMode = existing.st_mode & kPermissionBits;
  }
  TempFile temp;
  if (const int error = CreateTempBeside(target, temp)) return Reason(error);
  int error = FillAndClose(temp, bytes, keptMode);
  if (error == 0 && ::rename(temp.path.c_str(), target.c_str()) != 0) error = errno;
  if (error == 0) return std::nullopt;
  ::unlink(temp.path.c_str());
  return Reason(error);
}

}  // namespace tarvel
