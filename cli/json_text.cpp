#include "cli/json_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Bytes that JSON writes in more than one byte need at most six ("\u001f").
constexpr std::size_t kMaxEscapedBytes = 6;

#if defined(__SSE2__)
constexpr std::size_t kBlockBytes = 16;

// True when none of the block's bytes needs a look of its own: all ASCII, none a control
// character, quote or backslash. As signed bytes, the control characters and every byte from
// 0x80 on are below 0x20.
bool IsPlainBlock(const char* bytes) {
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  const __m128i special = _mm_or_si128(_mm_cmplt_epi8(block, _mm_set1_epi8(0x20)),
                                       _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('"')),
                                                    _mm_cmpeq_epi8(block, _mm_set1_epi8('\\'))));
  return _mm_movemask_epi8(special) == 0;
}
#else
constexpr std::size_t kBlockBytes = 8;

// The same test on eight bytes at once by bit tricks.
bool IsPlainBlock(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  const auto hasZeroByte = [](std::uint64_t w) { return (w - kOnes) & ~w & kHighBits; };
  const std::uint64_t hasControl = (word - kOnes * 0x20) & ~word & kHighBits;
  return ((word & kHighBits) | hasControl | hasZeroByte(word ^ (kOnes * '"')) |
          hasZeroByte(word ^ (kOnes * '\\'))) == 0;
}
#endif

}  // namespace

std::size_t JsonText::MaxEscapedLength(std::string_view text) {
  return kMaxEscapedBytes * text.size();
}

char* JsonText::WriteEscaped(std::string_view text, char* to) {
  const char* from = text.data();
  const char* const end = from + text.size();
  while (from < end) {
    if (end - from >= static_cast<std::ptrdiff_t>(kBlockBytes)) {
      if (IsPlainBlock(from)) {
        std::memcpy(to, from, kBlockBytes);
        to += kBlockBytes;
        from += kBlockBytes;
        continue;
      }
    } else if (text.size() >= kBlockBytes && IsPlainBlock(end - kBlockBytes)) {
      // The last block overlaps bytes already copied as they are: copying them again ends
      // the text in one step.
      const std::size_t rest = static_cast<std::size_t>(end - from);
      std::memcpy(to - (kBlockBytes - rest), end - kBlockBytes, kBlockBytes);
      return to + rest;
    }
    const auto byte = static_cast<unsigned char>(*from);
    if (byte >= 0x80) {
      const std::size_t length =
          Utf8SequenceLength(std::string_view(from, static_cast<std::size_t>(end - from)));
      if (length == 0) return nullptr;
      to = std::copy(from, from + length, to);
      from += length;
      continue;
    }
    const std::string_view escape = kEscapes[byte];
    if (escape.empty()) {
      *to++ = *from;
    } else {
      to = std::copy(escape.begin(), escape.end(), to);
    }
    ++from;
  }
  return to;
}

char* JsonText::Room(std::size_t bytes) {
  // Growing in large steps keeps the string's own bookkeeping out of the per-value cost.
  constexpr std::size_t kStepBytes = 4096;
  if (out_.size() - used_ < bytes) out_.resize(used_ + std::max(bytes, kStepBytes));
  return out_.data() + used_;
}

void JsonText::Put(std::string_view bytes) {
  Advance(std::copy(bytes.begin(), bytes.end(), Room(bytes.size())));
}

void JsonText::Comma() {
  if (used_ == start_) return;
  const char last = out_[used_ - 1];
  if (last != '{' && last != '[' && last != ':') Put(",");
}

void JsonText::Open(char bracket) {
  Comma();
  Put(std::string_view(&bracket, 1));
}

void JsonText::Key(std::string_view name) {
  Comma();
  char* to = Room(name.size() + 3);
  *to++ = '"';
  to = std::copy(name.begin(), name.end(), to);
  *to++ = '"';
  *to++ = ':';
  Advance(to);
}

void JsonText::Number(std::int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  RawNumber(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void JsonText::RawNumber(std::string_view digits) {
  Comma();
  Put(digits);
}

void JsonText::String(std::string_view text) {
  Comma();
  StringValue(text);
}

void JsonText::StringValue(std::string_view text) {
  char* to = Room(MaxEscapedLength(text) + 2);
  *to++ = '"';
  to = WriteEscaped(text, to);
  if (to == nullptr) {
    ReplacedString(text);
    return;
  }
  *to++ = '"';
  Advance(to);
}

void JsonText::ReplacedString(std::string_view text) {
  // Broken UTF-8 is rare; the library decides what replaces it.
  Put(nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

}  // namespace tarvel::cli
