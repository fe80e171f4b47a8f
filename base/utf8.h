#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tarvel {

/// One character of UTF-8 text.
struct Utf8Char {
  char32_t codePoint;  ///< U+0000 to U+10FFFF, surrogates excluded
  std::size_t bytes;   ///< the length of its sequence, 1 to 4
};

/// The character that starts `text`, or nothing when the bytes there are not one (a stray or
/// cut-off byte, an overlong form, a surrogate, a code point beyond U+10FFFF). `text` must not
/// be empty.
std::optional<Utf8Char> DecodeUtf8(std::string_view text);

/// The length of the UTF-8 sequence that starts `text` (1 to 4), or 0 when the bytes there are
/// not one. `text` must not be empty.
std::size_t Utf8SequenceLength(std::string_view text);

/// The offset of the first byte that breaks UTF-8 (overlong forms, surrogates and code points
/// beyond U+10FFFF included); nothing when the whole text is valid.
std::optional<std::size_t> FindInvalidUtf8(std::string_view text);

}  // namespace tarvel
