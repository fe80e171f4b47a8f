#include "cli/chart/json_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <nlohmann/json.hpp>

#include "base/utf8.h"

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

// The most characters a 64-bit whole number takes: 19 digits and a sign.
constexpr std::size_t kMaxNumberBytes = 20;

// Bytes that JSON writes in more than one byte need at most six ("\u001f").
constexpr std::size_t kMaxEscapedBytes = 6;

// True for the bytes written as they are: ASCII, neither a control character, a quote nor a
// backslash. Every other byte needs a look of its own.
constexpr std::array<bool, 0x100> kPlainBytes = [] {
  std::array<bool, 0x100> plain{};
  for (int c = 0x20; c < 0x80; ++c) plain[c] = c != '"' && c != '\\';
  return plain;
}();

bool IsPlain(char c) {
  return kPlainBytes[static_cast<unsigned char>(c)];
}

#if defined(__SSE2__)
constexpr std::size_t kBlockBytes = 16;

// How many of the block's leading bytes are plain (kBlockBytes when all are). As signed bytes,
// the control characters and every byte from 0x80 on are below 0x20.
std::size_t PlainPrefix(const char* bytes) {
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  const __m128i special = _mm_or_si128(_mm_cmplt_epi8(block, _mm_set1_epi8(0x20)),
                                       _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('"')),
                                                    _mm_cmpeq_epi8(block, _mm_set1_epi8('\\'))));
  const int mask = _mm_movemask_epi8(special);
  return mask == 0 ? kBlockBytes : static_cast<std::size_t>(__builtin_ctz(mask));
}
#else
constexpr std::size_t kBlockBytes = 8;

std::size_t PlainPrefix(const char* bytes) {
  std::size_t plain = 0;
  while (plain < kBlockBytes && IsPlain(bytes[plain])) ++plain;
  return plain;
}
#endif

// Writes the byte at `from` that is not plain, escaped or, with the rest of its UTF-8
// sequence, as it is; moves both past what was done. False when the text is not UTF-8 there.
bool WriteSpecial(const char*& from, const char* end, char*& to) {
  const auto byte = static_cast<unsigned char>(*from);
  if (byte < 0x80) {
    for (const char c : kEscapes[byte]) *to++ = c;
    ++from;
    return true;
  }
  const std::size_t length =
      Utf8SequenceLength(std::string_view(from, static_cast<std::size_t>(end - from)));
  for (std::size_t i = 0; i < length; ++i) *to++ = *from++;
  return length != 0;
}

}  // namespace

std::size_t JsonText::MaxEscapedLength(std::string_view text) {
  return kMaxEscapedBytes * text.size();
}

// Whole blocks are copied before they are examined: the room is six bytes for every byte
// still to write, so a block always fits, and bytes copied past the plain prefix are
// overwritten by what follows.
char* JsonText::WriteEscaped(std::string_view text, char* to) {
  const char* from = text.data();
  const char* const end = from + text.size();
  while (end - from >= static_cast<std::ptrdiff_t>(kBlockBytes)) {
    std::memcpy(to, from, kBlockBytes);
    const std::size_t plain = PlainPrefix(from);
    from += plain;
    to += plain;
    if (plain < kBlockBytes && !WriteSpecial(from, end, to)) return nullptr;
  }
  const std::size_t rest = static_cast<std::size_t>(end - from);
  if (rest != 0 && text.size() >= kBlockBytes && PlainPrefix(end - kBlockBytes) == kBlockBytes) {
    // The last block overlaps bytes already copied as they are: copying them again ends the
    // text in one step.
    std::memcpy(to - (kBlockBytes - rest), end - kBlockBytes, kBlockBytes);
    return to + rest;
  }
  while (from < end) {
    if (IsPlain(*from)) {
      *to++ = *from++;
    } else if (!WriteSpecial(from, end, to)) {
      return nullptr;
    }
  }
  return to;
}

void JsonText::MakeRoom(std::size_t bytes) {
  out_.append(buffer_, used_);
  used_ = 0;
  if (bytes <= capacity_) return;
  capacity_ = std::max(2 * capacity_, bytes);
  longerBuffer_.reset(new char[capacity_]);
  buffer_ = longerBuffer_.get();
}

void JsonText::RepeatClosed(std::size_t begin, std::size_t end) {
  char* to = Room(end - begin);
  // What was handed to the string already is read there, the rest in the buffer.
  const std::size_t handed = out_.size();
  if (begin < handed) {
    const std::size_t bytes = std::min(end, handed) - begin;
    std::memcpy(to, out_.data() + begin, bytes);
    to += bytes;
    begin += bytes;
  }
  if (begin < end) {
    std::memcpy(to, buffer_ + (begin - handed), end - begin);
    to += end - begin;
  }
  Advance(to);
  valueEnded_ = true;
}

void JsonText::Open(char bracket) {
  BeginValue();
  Put(std::string_view(&bracket, 1));
  valueEnded_ = false;
}

void JsonText::Close(char bracket) {
  Put(std::string_view(&bracket, 1));
  valueEnded_ = true;
}

void JsonText::Key(std::string_view name) {
  RawOpen("\"", name, "\":");
}

void JsonText::Number(std::int64_t value) {
  BeginValue();
  PlainPieceAndNumber({}, value);
}

void JsonText::PlainPieceAndNumber(std::string_view piece, std::int64_t value) {
  PlainWritten(piece.size() + kMaxNumberBytes, [&](char* to) {
    to = CopyPiece(to, piece);
    return std::to_chars(to, to + kMaxNumberBytes, value).ptr;
  });
}

void JsonText::RawNumber(std::string_view digits) {
  BeginValue();
  Put(digits);
}

void JsonText::BeginString() {
  RawValue("\"");
}

void JsonText::EscapedPiece(std::string_view piece) {
  char* const start = Room(MaxEscapedLength(piece));
  const char* const to = WriteEscaped(piece, start);
  if (to != nullptr) Advance(to);
}

void JsonText::String(std::string_view text) {
  BeginValue();
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
