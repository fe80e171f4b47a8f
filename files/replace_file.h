#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

/// Makes the file at `target` hold exactly `bytes`, so that a failed save leaves the old
/// file as it was and no temporary file behind.
///
/// - A symbolic link (or a chain of them) stays; the file it ends at is written, and a
///   dangling link's missing file is created.
/// - Only a regular file is replaced: a folder, named pipe, device or socket is refused and
///   left alone.
/// - A file without its owner's write permission, or that we may not write, is refused as
///   read-only.
/// - The new bytes go to a temporary file in the same folder, which is flushed to disk, given
///   the old file's owner (where we may) and permission bits, and renamed over it. The
///   temporary file has no name until just before the rename, or a short one where the file
///   system cannot do that, so any legal target name works.
/// - A file with several hard links is rewritten in place instead, so the links stay one
///   file (see replace_file.cpp for how that stays safe).
/// - What earlier saves killed in the middle left in the folder is removed (see
///   RemoveStaleTempFiles).
///
/// Returns the reason on failure (e.g. "No such file or directory").
std::optional<std::string> ReplaceFileContents(const std::filesystem::path& target,
                                               std::string_view bytes);

}  // namespace tarvel
