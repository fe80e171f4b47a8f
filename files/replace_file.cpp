#include "files/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>
#include <variant>

#include "files/save_temp_file.h"
#include "files/unique_fd.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

// The kernel's own limit on the links followed in one path.
constexpr int kMaxLinkHops = 40;
constexpr mode_t kPermissionBits = 0777;
// A file rewritten in place has its old bytes kept in memory; readings are a few hundred.
constexpr off_t kMaxInPlaceBytes = off_t{1} << 20;

std::string Reason(int error) {
  return std::generic_category().message(error);
}

// The file the bytes go to, and what stands there now (nothing when it does not exist).
struct WriteTarget {
  fs::path folder;
  std::string name;
  std::optional<struct stat> existing;
};

std::variant<WriteTarget, int> Split(const fs::path& path, std::optional<struct stat> existing) {
  std::string name = path.filename().string();
  if (name.empty()) return EISDIR;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  return WriteTarget{folder, std::move(name), existing};
}

// Follows symbolic links one at a time rather than renaming over the link, which would put
// a file in the link's place and leave its target as it was.
std::variant<WriteTarget, int> ResolveTarget(fs::path path) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
      if (errno != ENOENT) return errno;
      return Split(path, std::nullopt);
    }
    if (!S_ISLNK(status.st_mode)) return Split(path, status);
    std::error_code error;
    const fs::path link = fs::read_symlink(path, error);
    if (error) return error.value();
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return ELOOP;
}

// Renaming over a pipe, a device or a socket would silently take it away.
std::optional<std::string> KindRefusal(const struct stat& existing) {
  const mode_t mode = existing.st_mode;
  if (S_ISREG(mode)) return std::nullopt;
  if (S_ISDIR(mode)) return Reason(EISDIR);
  if (S_ISFIFO(mode)) return "It is a named pipe, not a file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "It is a device, not a file";
  return "It is a socket, not a file";
}

// Root may write anything, so a file its owner made read-only is refused on its bits too.
std::optional<std::string> ReadOnlyRefusal(int folderFd, const std::string& name,
                                           const struct stat& existing) {
  if ((existing.st_mode & S_IWUSR) == 0) return "The file is read-only";
  if (::faccessat(folderFd, name.c_str(), W_OK, AT_EACCESS) == 0) return std::nullopt;
  if (errno == EACCES || errno == EPERM) return "The file is read-only";
  return Reason(errno);
}

int WriteAll(int fd, std::string_view bytes) {
  off_t offset = 0;
  while (!bytes.empty()) {
    const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    bytes.remove_prefix(static_cast<std::size_t>(written));
    offset += written;
  }
  return 0;
}

// What the file system took is checked, not assumed: a short file never replaces a whole one.
int HoldsAll(int fd, std::size_t size) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return errno;
  return static_cast<std::size_t>(status.st_size) == size ? 0 : EIO;
}

// Only root may give a file away; anyone may keep its group if they belong to it. Neither
// is worth failing the save for.
int KeepOwner(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) == 0) return 0;
  if (errno != EPERM) return errno;
  if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0 || errno == EPERM) return 0;
  return errno;
}

// The owner changes first: changing it may clear permission bits.
int FillTemp(int fd, std::string_view bytes, const std::optional<struct stat>& old) {
  if (const int error = WriteAll(fd, bytes)) return error;
  if (old) {
    if (const int error = KeepOwner(fd, *old)) return error;
    if (::fchmod(fd, old->st_mode & kPermissionBits) != 0) return errno;
  }
  // On disk before the rename, so that after a crash the target is never found empty.
  if (::fsync(fd) != 0) return errno;
  return HoldsAll(fd, bytes.size());
}

std::optional<std::string> ReplaceByRename(int folderFd, const std::string& name,
                                           std::string_view bytes,
                                           const std::optional<struct stat>& old) {
  auto created = SaveTempFile::Create(folderFd, TempFileKind::Unnamed);
  if (const int* error = std::get_if<int>(&created)) return Reason(*error);
  SaveTempFile& temp = std::get<SaveTempFile>(created);
  int error = FillTemp(temp.Fd(), bytes, old);
  if (error == 0) error = temp.ReplaceTarget(name);
  if (error != 0) return Reason(error);
  // Makes the rename itself durable; a folder that cannot be flushed does not undo the save.
  ::fsync(folderFd);
  return std::nullopt;
}

// A full copy beside the file proves the file system has room for the new bytes.
int ProveRoom(int folderFd, std::string_view bytes) {
  auto created = SaveTempFile::Create(folderFd, TempFileKind::Unnamed);
  if (const int* error = std::get_if<int>(&created)) return *error;
  const int fd = std::get<SaveTempFile>(created).Fd();
  if (const int error = WriteAll(fd, bytes)) return error;
  return ::fsync(fd) == 0 ? 0 : errno;
}

std::variant<std::string, int> ReadOld(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return errno;
  // Something else may have taken the name since it was looked at.
  if (!S_ISREG(status.st_mode)) return EINVAL;
  std::string old(static_cast<std::size_t>(kMaxInPlaceBytes) + 1, '\0');
  std::size_t filled = 0;
  while (filled < old.size()) {
    const ssize_t got =
        ::pread(fd, old.data() + filled, old.size() - filled, static_cast<off_t>(filled));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  if (filled > static_cast<std::size_t>(kMaxInPlaceBytes)) return EFBIG;
  old.resize(filled);
  return old;
}

int Rewrite(int fd, std::string_view bytes) {
  if (const int error = WriteAll(fd, bytes)) return error;
  if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return errno;
  return ::fsync(fd) == 0 ? 0 : errno;
}

// A file with several names is one file: renaming a new file over this name would split it
// from the others, which would keep the old reading. So it is rewritten in place, after a
// temporary copy has shown that the new bytes fit, with its old bytes kept in memory and
// written back should the rewrite fail (a disk filled meanwhile, a quota, an I/O error).
// Only a crash in the middle of the rewrite can leave it half written: that is the price of
// keeping the links, and hard-linked readings are rare.
std::optional<std::string> ReplaceInPlace(int folderFd, const std::string& name,
                                          std::string_view bytes) {
  if (const int error = ProveRoom(folderFd, bytes)) return Reason(error);
  const UniqueFd file(
      ::openat(folderFd, name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid()) return Reason(errno);
  const auto old = ReadOld(file.Get());
  if (const int* error = std::get_if<int>(&old)) return Reason(*error);
  const int error = Rewrite(file.Get(), bytes);
  if (error == 0) return std::nullopt;
  if (Rewrite(file.Get(), std::get<std::string>(old)) != 0) {
    return Reason(error) + "; the old contents could not be written back";
  }
  return Reason(error);
}

}  // namespace

std::optional<std::string> ReplaceFileContents(const fs::path& target, std::string_view bytes) {
  const auto resolved = ResolveTarget(target);
  if (const int* error = std::get_if<int>(&resolved)) return Reason(*error);
  const WriteTarget& where = std::get<WriteTarget>(resolved);
  if (where.existing) {
    if (auto refusal = KindRefusal(*where.existing)) return refusal;
  }
  const UniqueFd folder(::open(where.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.Valid()) return Reason(errno);
  if (where.existing) {
    if (auto refusal = ReadOnlyRefusal(folder.Get(), where.name, *where.existing)) return refusal;
  }
  RemoveStaleTempFiles(folder.Get(), where.name);
  if (!where.existing || where.existing->st_nlink < 2) {
    return ReplaceByRename(folder.Get(), where.name, bytes, where.existing);
  }
  if (where.existing->st_size > kMaxInPlaceBytes) {
    return "The file has other names (hard links) and is too big to rewrite in place";
  }
  return ReplaceInPlace(folder.Get(), where.name, bytes);
}

}  // namespace tarvel
