#include "form/windows_1252.h"

#include <array>

#include "base/utf8.h"

namespace tarvel {
namespace {

constexpr unsigned char kFirstPrintable = 32;
constexpr unsigned char kLastAscii = 126;
constexpr unsigned char kFirstHigh = 128;
constexpr unsigned char kLastHeld = 170;
constexpr char32_t kUndefined = 0;
constexpr char32_t kReplacement = 0xFFFD;

// Codes 128 to 170 of Windows-1252, from Microsoft's table as published by Unicode
// (unicode.org/Public/MAPPINGS/VENDORS/MICSFT/WINDOWS/CP1252.TXT); 0 marks an undefined code.
constexpr std::array<char32_t, kLastHeld - kFirstHigh + 1> kHighCodes{
    0x20AC,     kUndefined, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,      // 128-135
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,  // 136-143
    kUndefined, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,      // 144-151
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178,      // 152-159
    0x00A0,     0x00A1,     0x00A2, 0x00A3, 0x00A4, 0x00A5,     0x00A6, 0x00A7,      // 160-167
    0x00A8,     0x00A9,     0x00AA,                                                  // 168-170
};

std::optional<char32_t> CodePointOf(unsigned char byte) {
  if (byte >= kFirstPrintable && byte <= kLastAscii) return byte;
  if (byte < kFirstHigh || byte > kLastHeld) return std::nullopt;
  const char32_t codePoint = kHighCodes[byte - kFirstHigh];
  if (codePoint == kUndefined) return std::nullopt;
  return codePoint;
}

std::optional<char> ByteOf(char32_t codePoint) {
  if (codePoint >= kFirstPrintable && codePoint <= kLastAscii) return static_cast<char>(codePoint);
  for (std::size_t index = 0; index < kHighCodes.size(); ++index) {
    if (kHighCodes[index] == codePoint && codePoint != kUndefined) {
      return static_cast<char>(kFirstHigh + index);
    }
  }
  return std::nullopt;
}

// The code point at the front of `text` and the bytes it takes; U+FFFD and one byte where
// the text is not UTF-8 (a stray byte, a cut-off, overlong or surrogate sequence).
Utf8Char NextCodePoint(std::string_view text) {
  return DecodeUtf8(text).value_or(Utf8Char{kReplacement, 1});
}

}  // namespace

std::optional<std::string> DecodeReadingText(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (const char byte : text) {
    const auto codePoint = CodePointOf(static_cast<unsigned char>(byte));
    if (!codePoint) return std::nullopt;
    utf8 += Utf8Of(*codePoint);
  }
  return utf8;
}

std::variant<std::string, char32_t> EncodeReadingText(std::string_view utf8) {
  std::string encoded;
  encoded.reserve(utf8.size());
  while (!utf8.empty()) {
    const auto [codePoint, length] = NextCodePoint(utf8);
    const auto byte = ByteOf(codePoint);
    if (!byte) return codePoint;
    encoded += *byte;
    utf8.remove_prefix(length);
  }
  return encoded;
}

std::string Utf8Of(char32_t codePoint) {
  if (codePoint > 0x10FFFF) codePoint = kReplacement;
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (codePoint < 0x80) return {byte(codePoint)};
  if (codePoint < 0x800) return {byte(0xC0 | (codePoint >> 6)), byte(0x80 | (codePoint & 0x3F))};
  if (codePoint < 0x10000) {
    return {byte(0xE0 | (codePoint >> 12)), byte(0x80 | ((codePoint >> 6) & 0x3F)),
            byte(0x80 | (codePoint & 0x3F))};
  }
  return {byte(0xF0 | (codePoint >> 18)), byte(0x80 | ((codePoint >> 12) & 0x3F)),
          byte(0x80 | ((codePoint >> 6) & 0x3F)), byte(0x80 | (codePoint & 0x3F))};
}

}  // namespace tarvel
