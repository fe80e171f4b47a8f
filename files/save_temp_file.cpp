#include "files/save_temp_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <random>
#include <utility>

namespace tarvel {
namespace {

// Another save may draw the same random name; a few draws make that practically impossible.
constexpr int kNameAttempts = 16;
constexpr std::size_t kRandomLetters = 8;
constexpr std::string_view kNameLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
// Earlier versions wrote "<target>.tmp" followed by a random unsigned number.
constexpr std::string_view kEarlierTempInfix = ".tmp";
constexpr std::size_t kEarlierTempMaxDigits = 10;
constexpr mode_t kNewFileMode = 0666;

std::string RandomTempName() {
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, kNameLetters.size() - 1);
  std::string name(kTempNamePrefix);
  for (std::size_t i = 0; i < kRandomLetters; ++i) name += kNameLetters[pick(random)];
  return name;
}

// An unnamed file is named through /proc; without it there is no way to name it later.
bool CanNameUnnamedFiles() {
  return ::access("/proc/self/fd", X_OK) == 0;
}

// Errors by which a kernel or file system says it has no unnamed files.
bool LacksUnnamedFiles(int error) {
  return error == EOPNOTSUPP || error == EISDIR;
}

int OpenNamed(int folderFd, std::string& name) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name = RandomTempName();
    const int fd = ::openat(folderFd, name.c_str(),
                            O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool IsDigits(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

bool IsOurTempName(std::string_view name) {
  if (!name.starts_with(kTempNamePrefix)) return false;
  const std::string_view letters = name.substr(kTempNamePrefix.size());
  return letters.size() == kRandomLetters && std::ranges::all_of(letters, [](char c) {
           return kNameLetters.find(c) != std::string_view::npos;
         });
}

bool IsEarlierTempName(std::string_view name, std::string_view targetName) {
  if (!name.starts_with(targetName)) return false;
  name.remove_prefix(targetName.size());
  if (!name.starts_with(kEarlierTempInfix)) return false;
  name.remove_prefix(kEarlierTempInfix.size());
  return !name.empty() && name.size() <= kEarlierTempMaxDigits && IsDigits(name);
}

bool IsStale(int folderFd, const char* name, std::time_t now) {
  struct stat status {};
  if (::fstatat(folderFd, name, &status, AT_SYMLINK_NOFOLLOW) != 0) return false;
  return S_ISREG(status.st_mode) && now - status.st_mtime >= kStaleTempSeconds;
}

}  // namespace

std::variant<SaveTempFile, int> SaveTempFile::Create(int folderFd, TempFileKind kind) {
  if (kind == TempFileKind::Unnamed && CanNameUnnamedFiles()) {
    const int fd = ::openat(folderFd, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, kNewFileMode);
    if (fd >= 0) return SaveTempFile(folderFd, UniqueFd(fd), TempFileKind::Unnamed, "");
    if (!LacksUnnamedFiles(errno)) return errno;
  }
  std::string name;
  const int fd = OpenNamed(folderFd, name);
  if (fd < 0) return errno;
  return SaveTempFile(folderFd, UniqueFd(fd), TempFileKind::Named, std::move(name));
}

SaveTempFile::SaveTempFile(int folderFd, UniqueFd fd, TempFileKind kind, std::string name)
    : folderFd_(folderFd), fd_(std::move(fd)), kind_(kind), name_(std::move(name)) {}

SaveTempFile::SaveTempFile(SaveTempFile&& other) noexcept
    : folderFd_(other.folderFd_),
      fd_(std::move(other.fd_)),
      kind_(other.kind_),
      name_(std::exchange(other.name_, {})) {}

SaveTempFile::~SaveTempFile() {
  fd_.Close();
  if (!name_.empty()) ::unlinkat(folderFd_, name_.c_str(), 0);
}

int SaveTempFile::GiveName() {
  if (!name_.empty()) return 0;
  const std::string source = "/proc/self/fd/" + std::to_string(fd_.Get());
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string name = RandomTempName();
    if (::linkat(AT_FDCWD, source.c_str(), folderFd_, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      name_ = std::move(name);
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

int SaveTempFile::ReplaceTarget(const std::string& targetName) {
  if (const int error = GiveName()) return error;
  if (const int error = fd_.Close()) return error;
  if (::renameat(folderFd_, name_.c_str(), folderFd_, targetName.c_str()) != 0) return errno;
  name_.clear();
  return 0;
}

void RemoveStaleTempFiles(int folderFd, std::string_view targetName) {
  const int listingFd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listingFd < 0) return;
  const std::unique_ptr<DIR, int (*)(DIR*)> listing(::fdopendir(listingFd), &::closedir);
  if (!listing) {
    ::close(listingFd);
    return;
  }
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(listing.get())) {
    const std::string_view name = entry->d_name;
    if (!IsOurTempName(name) && !IsEarlierTempName(name, targetName)) continue;
    if (IsStale(folderFd, entry->d_name, now)) ::unlinkat(folderFd, entry->d_name, 0);
  }
}

}  // namespace tarvel
