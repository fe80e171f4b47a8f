#include "base/utf8.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(Utf8Test, DecodesEachLengthAndRefusesWhatIsNotUtf8) {
  struct Case {
    std::string_view bytes;
    char32_t codePoint;  // 0 where the bytes are refused
    std::size_t length;
  };
  const Case cases[] = {
      {"A", U'A', 1},
      {"\xC3\xA9", U'\u00E9', 2},
      {"\xE0\xA4\x85", U'\u0905', 3},
      {"\xF0\x9F\x8C\x9E", U'\U0001F31E', 4},
      {"\xF4\x8F\xBF\xBF", U'\U0010FFFF', 4},
      {"\xC0\xAF", 0, 0},          // overlong '/'
      {"\xED\xA0\x80", 0, 0},      // surrogate
      {"\xF4\x90\x80\x80", 0, 0},  // beyond U+10FFFF
      {"\xE0\xA4", 0, 0},          // cut off
      {"\x80", 0, 0},              // stray continuation
  };
  for (const Case& c : cases) {
    const std::optional<Utf8Char> decoded = DecodeUtf8(c.bytes);
    EXPECT_EQ(decoded ? decoded->codePoint : 0, c.codePoint) << c.bytes;
    EXPECT_EQ(Utf8SequenceLength(c.bytes), c.length) << c.bytes;
  }
}

}  // namespace
}  // namespace tarvel
