#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tarvel::cli {

/// The offset of the first byte that breaks UTF-8 (overlong forms, surrogates and code points
/// beyond U+10FFFF included); nothing when the whole text is valid.
std::optional<std::size_t> FindInvalidUtf8(std::string_view text);

}  // namespace tarvel::cli
