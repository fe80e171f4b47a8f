#pragma once

#include <string>
#include <string_view>

namespace tarvel {

/// The text without its leading and trailing spaces; other characters, tabs among them, stay.
std::string TrimSpaces(std::string_view text);

}  // namespace tarvel
