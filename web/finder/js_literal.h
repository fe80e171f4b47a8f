#pragma once

#include <string>
#include <string_view>

namespace tarvel {

/// `utf8` as a double-quoted JavaScript string literal that evaluates to the same text.
std::string JsStringLiteral(std::string_view utf8);

}  // namespace tarvel
