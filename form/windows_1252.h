#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tarvel {

// Reading files hold their name and place lines in Windows-1252, the single-byte character
// set of the Windows editions the format began on; the form holds UTF-8. A line is shifted
// up by 85 on saving, so only codes up to 170 fit in a byte, and a save never writes a
// control character. What a name or place line can hold is therefore exactly:
//   - the printable ASCII characters, codes 32 to 126, and
//   - the characters of codes 128 to 170 (€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ,
//     no-break space, ¡ ¢ £ ¤ ¥ ¦ § ¨ © ª), except the five codes Windows-1252 leaves
//     undefined (129, 141, 143, 144, 157), which Windows reads as control characters.

/// `text` (Windows-1252) in UTF-8; nothing when a byte is not a character a name or place
/// line can hold (a control character, an undefined code, a code above 170).
std::optional<std::string> DecodeReadingText(std::string_view text);

/// `utf8` in Windows-1252; or, when it holds a character a name or place line cannot hold,
/// the first such character as a Unicode code point (U+FFFD for bytes that are not UTF-8).
std::variant<std::string, char32_t> EncodeReadingText(std::string_view utf8);

/// A code point in UTF-8. Code points beyond Unicode give U+FFFD.
std::string Utf8Of(char32_t codePoint);

}  // namespace tarvel
