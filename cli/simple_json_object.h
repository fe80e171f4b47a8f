#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <variant>

namespace tarvel::cli {

/// A member's value in the simple form: a string without escapes, a whole number without a
/// sign of at most 18 digits, or true/false.
using SimpleJsonValue = std::variant<std::string_view, std::int64_t, bool>;

/// Called for each member in order; false stops the reading.
using SimpleJsonMember = std::function<bool(std::string_view key, const SimpleJsonValue& value)>;

/// Reads one JSON object whose members all have simple values, with JSON's white space
/// around its tokens. False as soon as the text leaves that form (escapes, null, fractions,
/// nesting, anything that is not JSON) or `member` refuses: a full parser then decides.
/// `text` must be valid UTF-8. The strings passed point into `text`.
bool ReadSimpleJsonObject(std::string_view text, const SimpleJsonMember& member);

}  // namespace tarvel::cli
