#include "cli/json_text.h"

#include <array>
#include <charconv>

#include <nlohmann/json.hpp>

#include "cli/utf8.h"

namespace tarvel::cli {
namespace {

// The escape of each byte below 0x80 that needs one, as nlohmann writes it: the short forms
// where JSON has them, \u00xx (lower-case hex) for the other control characters.
constexpr std::array<std::string_view, 0x80> kEscapes = [] {
  std::array<std::string_view, 0x80> escapes{};
  constexpr std::string_view kControl[0x20] = {
      "\\u0000", "\\u0001", "\\u0002", "\\u0003", "\\u0004", "\\u0005", "\\u0006", "\\u0007",
      "\\b",     "\\t",     "\\n",     "\\u000b", "\\f",     "\\r",     "\\u000e", "\\u000f",
      "\\u0010", "\\u0011", "\\u0012", "\\u0013", "\\u0014", "\\u0015", "\\u0016", "\\u0017",
      "\\u0018", "\\u0019", "\\u001a", "\\u001b", "\\u001c", "\\u001d", "\\u001e", "\\u001f"};
  for (int c = 0; c < 0x20; ++c) escapes[c] = kControl[c];
  escapes['"'] = "\\\"";
  escapes['\\'] = "\\\\";
  return escapes;
}();

}  // namespace

void JsonText::Comma() {
  if (out_.size() == start_) return;
  const char last = out_.back();
  if (last != '{' && last != '[' && last != ':') out_ += ',';
}

void JsonText::Key(std::string_view name) {
  Comma();
  out_.append(1, '"').append(name).append("\":");
}

void JsonText::Number(std::int64_t value) {
  Comma();
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out_.append(digits, end);
}

void JsonText::RawNumber(std::string_view digits) {
  Comma();
  out_.append(digits);
}

bool JsonText::EscapesAlone(std::string_view text) const {
  return !FindInvalidUtf8(text).has_value();
}

void JsonText::AppendEscaped(std::string_view text) {
  std::size_t plainFrom = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x80 || kEscapes[byte].empty()) continue;
    out_.append(text.substr(plainFrom, at - plainFrom)).append(kEscapes[byte]);
    plainFrom = at + 1;
  }
  out_.append(text.substr(plainFrom));
}

void JsonText::String(std::string_view text) {
  if (!EscapesAlone(text)) {
    // Broken UTF-8 is rare; the library decides what replaces it.
    Comma();
    out_ += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return;
  }
  Comma();
  out_ += '"';
  AppendEscaped(text);
  out_ += '"';
}

}  // namespace tarvel::cli
