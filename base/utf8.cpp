#include "base/utf8.h"

#include <cstdint>
#include <cstring>

namespace tarvel {
namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// True when none of the eight bytes at `bytes` has its high bit set: plain ASCII, valid as
// it stands. Birth lines are mostly ASCII, so most of a line is passed over this way.
bool IsAsciiWord(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return (word & 0x8080808080808080) == 0;
}

}  // namespace

// The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
std::optional<Utf8Char> DecodeUtf8(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return Utf8Char{lead, 1};
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  const auto second = static_cast<unsigned char>(text[1]);
  if (second < low || second > high) return std::nullopt;
  char32_t codePoint = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!IsContinuation(byte)) return std::nullopt;
    codePoint = (codePoint << 6) | (byte & 0x3F);
  }
  return Utf8Char{codePoint, length};
}

std::size_t Utf8SequenceLength(std::string_view text) {
  const std::optional<Utf8Char> decoded = DecodeUtf8(text);
  return decoded ? decoded->bytes : 0;
}

std::optional<std::size_t> FindInvalidUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    if (text.size() - at >= 8 && IsAsciiWord(text.data() + at)) {
      at += 8;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(text.substr(at));
    if (length == 0) return at;
    at += length;
  }
  return std::nullopt;
}

}  // namespace tarvel
