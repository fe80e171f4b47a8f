#pragma once

#include <string>
#include <string_view>

namespace tarvel::cli {

/// Input as a refusal echoes it: always one line, and nothing in it a terminal acts on. A
/// backslash becomes `\\`; line breaks, tabs and escape become `\n`, `\r`, `\t` and `\e`;
/// other control characters (C0, DEL) and bytes that are not UTF-8 become `\xHH`; C1
/// controls, line and paragraph separators and the marks that reorder text become `\uHHHH`.
/// Everything else stands as it is.
std::string EscapedForMessage(std::string_view text);

/// The input in single quotes, escaped as EscapedForMessage does: `'1980-13-05'`, `'a\nb'`.
std::string QuotedForMessage(std::string_view text);

}  // namespace tarvel::cli
