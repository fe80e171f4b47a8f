#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <variant>

#include "files/unique_fd.h"

namespace tarvel {

/// How a temporary file comes into being. An unnamed file (O_TMPFILE) has no name in its
/// folder until just before it replaces the target, so a save killed while writing leaves
/// nothing behind; a named one is for file systems without unnamed files.
enum class TempFileKind { Unnamed, Named };

/// A temporary file's name: this prefix and eight random lower-case letters or digits. It is
/// short and of fixed length, so it is legal beside any legal target name (up to 255 bytes),
/// and hidden, so it does not show in file dialogs in the moment it exists.
inline constexpr std::string_view kTempNamePrefix = ".tarvel-save-";

/// A temporary file of ours this many seconds old is taken for what a killed save left
/// behind: a save takes milliseconds, so no running save still needs it.
inline constexpr std::time_t kStaleTempSeconds = 10 * 60;

/// A new file beside a save's target, in the same folder (hence on the same file system), to
/// be filled and then renamed over the target. Unless it replaced the target, it is gone when
/// the object goes.
class SaveTempFile {
 public:
  /// Creates an empty file, readable and writable, in the folder open as `folderFd`, which
  /// must stay open while the file lives. An unnamed file is asked for, when `kind` says so,
  /// only where it can be named later; otherwise the file is named at once. Returns errno on
  /// failure.
  static std::variant<SaveTempFile, int> Create(int folderFd, TempFileKind kind);

  SaveTempFile(SaveTempFile&& other) noexcept;
  SaveTempFile& operator=(SaveTempFile&&) = delete;
  ~SaveTempFile();

  int Fd() const { return fd_.Get(); }
  TempFileKind Kind() const { return kind_; }

  /// Names the file if it has no name yet, closes it and renames it over `targetName` in its
  /// folder. Returns errno, or 0 when the target now is this file.
  int ReplaceTarget(const std::string& targetName);

 private:
  SaveTempFile(int folderFd, UniqueFd fd, TempFileKind kind, std::string name);
  int GiveName();

  int folderFd_;
  UniqueFd fd_;
  TempFileKind kind_;
  std::string name_;  ///< empty while unnamed, and once renamed
};

/// Removes, in the folder open as `folderFd`, the regular files that killed saves left there
/// and nobody has touched for kStaleTempSeconds: our own temporary names, and the
/// "<targetName>.tmp<digits>" names under which earlier versions of the program wrote.
/// Anything else, and whatever cannot be removed, is left alone.
void RemoveStaleTempFiles(int folderFd, std::string_view targetName);

}  // namespace tarvel
