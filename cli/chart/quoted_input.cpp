#include "cli/chart/quoted_input.h"

#include <array>

#include "base/utf8.h"

namespace tarvel::cli {
namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

void AppendHex(std::string& text, std::string_view prefix, char32_t value, int digits) {
  text.append(prefix);
  for (int digit = digits - 1; digit >= 0; --digit)
    text.push_back(kHexDigits[(value >> (4 * digit)) & 0xF]);
}

// Escapes of their own for the commonest controls; the rest are written in hexadecimal.
void AppendAscii(std::string& text, char c) {
  switch (c) {
    case '\\':
      text.append("\\\\");
      return;
    case '\n':
      text.append("\\n");
      return;
    case '\r':
      text.append("\\r");
      return;
    case '\t':
      text.append("\\t");
      return;
    case '\x1b':
      text.append("\\e");
      return;
    default:
      break;
  }
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20 || byte == 0x7F) {
    AppendHex(text, "\\x", byte, 2);
  } else {
    text.push_back(c);
  }
}

char32_t CodePoint(std::string_view sequence) {
  constexpr std::array<unsigned char, 5> kLeadMask = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t value = static_cast<unsigned char>(sequence[0]) & kLeadMask[sequence.size()];
  for (std::size_t i = 1; i < sequence.size(); ++i) {
    value = (value << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
  }
  return value;
}

// Characters a terminal or a viewer may act on though they are valid text: C1 controls (CSI
// among them), the line and paragraph separators, and the marks that reverse the order of
// what follows, which could make a message read otherwise than it is.
bool ActsOnDisplay(char32_t c) {
  return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string EscapedForMessage(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  while (!text.empty()) {
    if (static_cast<unsigned char>(text.front()) < 0x80) {
      AppendAscii(escaped, text.front());
      text.remove_prefix(1);
      continue;
    }
    const std::size_t length = Utf8SequenceLength(text);
    if (length == 0) {
      AppendHex(escaped, "\\x", static_cast<unsigned char>(text.front()), 2);
      text.remove_prefix(1);
      continue;
    }
    const std::string_view sequence = text.substr(0, length);
    const char32_t c = CodePoint(sequence);
    if (ActsOnDisplay(c)) {
      AppendHex(escaped, "\\u", c, 4);
    } else {
      escaped.append(sequence);
    }
    text.remove_prefix(length);
  }
  return escaped;
}

std::string QuotedForMessage(std::string_view text) {
  return "'" + EscapedForMessage(text) + "'";
}

}  // namespace tarvel::cli
