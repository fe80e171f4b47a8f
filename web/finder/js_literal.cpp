#include "web/finder/js_literal.h"

#include <cstdio>

namespace tarvel {

namespace {

// U+2028 and U+2029 end a line inside older JavaScript string literals.
constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";

std::string Escaped(char c) {
  switch (c) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      break;
  }
  char code[8];
  std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned char>(c));
  return code;
}

}  // namespace

std::string JsStringLiteral(std::string_view utf8) {
  std::string literal = "\"";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    std::string_view rest = utf8.substr(i);
    if (rest.starts_with(kLineSeparator) || rest.starts_with(kParagraphSeparator)) {
      literal += rest.starts_with(kLineSeparator) ? "\\u2028" : "\\u2029";
      i += kLineSeparator.size() - 1;
      continue;
    }
    const char c = utf8[i];
    const bool plain = static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\';
    literal += plain ? std::string(1, c) : Escaped(c);
  }
  return literal + "\"";
}

}  // namespace tarvel
