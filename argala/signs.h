#pragma once

#include <optional>
#include <string_view>

#include "base/signs.h"

namespace tarvel {

/// The number of the sign whose abbreviation is exactly `abbrev` (case-sensitive), if any.
std::optional<int> FindSign(std::string_view abbrev);

/// `text` without its leading and trailing spaces.
std::string_view TrimSpaces(std::string_view text);

/// Characters 4 to 6 of a short position text such as "16 Sag 31": the planet's sign
/// abbreviation. A shorter text gives what it has there, possibly nothing.
std::string_view ShortPositionSign(std::string_view shortPosition);

/// The ascendant's sign number, read from the last three characters of its trimmed position
/// text; none when they name no sign.
std::optional<int> AscendantSign(std::string_view ascendantPosition);

}  // namespace tarvel
