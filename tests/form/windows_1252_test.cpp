#include "form/windows_1252.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace tarvel {
namespace {

using Encoded = std::variant<std::string, char32_t>;

struct CodeCase {
  std::string_view windows1252;
  std::string_view utf8;
};

// From the Windows-1252 code chart: 80 euro sign, 8A S caron, 8C OE, 9A s caron, 9F Y
// diaeresis, A0 no-break space, AA feminine ordinal.
constexpr CodeCase kCodeCases[] = {
    {"O'Brien ~!", "O'Brien ~!"},
    {"\x80", "\u20AC"},
    {"\x82\x83\x84\x85", "\u201A\u0192\u201E\u2026"},
    {"\x8A\x8C\x8E", "\u0160\u0152\u017D"},
    {"\x91\x92\x93\x94", "\u2018\u2019\u201C\u201D"},
    {"\x96\x97\x99", "\u2013\u2014\u2122"},
    {"\x9A\x9C\x9F", "\u0161\u0153\u0178"},
    {"\xA0\xA9\xAA", "\u00A0\u00A9\u00AA"},
};

TEST(Windows1252Test, DecodesTheCharactersOfTheCodeChart) {
  for (const auto& [windows1252, utf8] : kCodeCases) {
    EXPECT_EQ(DecodeReadingText(windows1252), std::string(utf8)) << utf8;
  }
}

// Printable ASCII and codes 128 to 170 but the five Windows-1252 leaves undefined; not
// control characters, DEL, or what would pass 255 when shifted by 85.
bool IsHeld(int code) {
  static const std::set<int> kUndefined{129, 141, 143, 144, 157};
  return (code >= 32 && code <= 126) || (code >= 128 && code <= 170 && !kUndefined.contains(code));
}

TEST(Windows1252Test, EveryHeldByteComesBackAndNoOtherDecodes) {
  for (int code = 0; code < 256; ++code) {
    const std::string text = "a" + std::string(1, static_cast<char>(code));
    const auto decoded = DecodeReadingText(text);
    EXPECT_EQ(decoded.has_value(), IsHeld(code)) << code;
    if (!decoded) continue;
    EXPECT_EQ(EncodeReadingText(*decoded), Encoded(text)) << code;
  }
}

struct RefusedCase {
  std::string_view utf8;
  char32_t refused;
};

constexpr RefusedCase kRefusedCases[] = {
    {"Z\u00FCrich", 0xFC},         // above 170
    {"\u00AB", 0xAB},              // 171, the first that would pass 255
    {"\u6771\u4EAC", 0x6771},      // not in Windows-1252
    {"\U0001F600", 0x1F600},       //
    {"a\tb", 0x09},                // control characters
    {"\x7F", 0x7F},                //
    {"\u0081", 0x81},              // the undefined code 81 as Windows reads it
    {"Goa\xC3", 0xFFFD},           // cut off
    {"\xC0\xAF", 0xFFFD},          // overlong
    {"\xED\xA0\x80", 0xFFFD},      // surrogate
    {"\xF4\x90\x80\x80", 0xFFFD},  // beyond Unicode
};

TEST(Windows1252Test, NamesTheFirstCharacterItCannotEncode) {
  for (const auto& [utf8, refused] : kRefusedCases) {
    EXPECT_EQ(EncodeReadingText(utf8), Encoded(refused)) << utf8;
  }
}

}  // namespace
}  // namespace tarvel
