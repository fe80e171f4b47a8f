#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

/// Makes `target` hold exactly `bytes`. The bytes go to a new temporary file in the target's
/// folder, which is flushed to disk and then renamed over the target, so an existing file is
/// never left half written: on failure it is as it was and no temporary file remains. An
/// existing target keeps its permission bits; a target without the owner's write permission
/// is refused. Returns the reason on failure (e.g. "No such file or directory").
std::optional<std::string> ReplaceFileContents(const std::filesystem::path& target,
                                               std::string_view bytes);

}  // namespace tarvel
