#include "form/scramble.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tarvel {
namespace {

struct ShiftCase {
  std::string_view plain;
  std::string_view scrambled;
};

// Hand-shifted: 'a' 97 -> 182 (B6), ' ' 32 -> 117 'u', '0' 48 -> 133 (85), 'T' 84 -> 169 (A9).
constexpr ShiftCase kShiftCases[] = {
    {"abc", "\xB6\xB7\xB8"},
    {" ", "u"},
    {"0123456789", "\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E"},
    {"True", "\xA9\xC7\xCA\xBA"},
    {"False", "\x9B\xB6\xC1\xC8\xBA"},
    {"", ""},
};

TEST(ScrambleTextTest, ShiftsEveryByteUpBy85InOrder) {
  for (const auto& [plain, scrambled] : kShiftCases) {
    EXPECT_EQ(ScrambleText(plain), scrambled) << plain;
  }
}

TEST(ScrambleTextTest, UnscrambleShiftsEveryByteDownBy85InOrder) {
  for (const auto& [plain, scrambled] : kShiftCases) {
    EXPECT_EQ(UnscrambleText(scrambled), plain) << plain;
  }
}

TEST(ScrambleTextTest, DropsBytesThatWouldPass255) {
  EXPECT_EQ(ScrambleText("\xAA"), "\xFF");  // 170 is the last code that fits
  EXPECT_EQ(ScrambleText("a\xABz"), "\xB6\xCF");
  EXPECT_EQ(ScrambleText("\xFF\xC0"), "");
}

TEST(ScrambleTextTest, UnscrambleDropsBytesBelow85) {
  EXPECT_EQ(UnscrambleText("\xB6T\xB7"), "ab");  // 'T' is 84
  EXPECT_EQ(UnscrambleText("\xB6\r\n"), "a");
  EXPECT_EQ(UnscrambleText("U"), std::string(1, '\0'));  // 85 is the first code kept
}

TEST(ScrambleTextTest, UnscrambleUndoesScrambleForEveryCodeUpTo170) {
  std::string everyCode;
  for (int code = 0; code <= 170; ++code) everyCode.push_back(static_cast<char>(code));
  const std::string scrambled = ScrambleText(everyCode);
  ASSERT_EQ(scrambled.size(), everyCode.size());
  EXPECT_EQ(static_cast<unsigned char>(scrambled.front()), 85);
  EXPECT_EQ(static_cast<unsigned char>(scrambled.back()), 255);
  EXPECT_EQ(UnscrambleText(scrambled), everyCode);
}

}  // namespace
}  // namespace tarvel
