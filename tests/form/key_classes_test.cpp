#include "form/key_classes.h"

#include <gtest/gtest.h>

#include "form/digit_text.h"

namespace tarvel {
namespace {

TEST(KeyClassesTest, LettersBoxesTakeLettersSpaceAndEditingKeys) {
  for (int code : std::initializer_list<int>{'A', 'M', 'Z', 'a', 'm', 'z', ' ', 8, 127}) {
    EXPECT_TRUE(AcceptsKey(KeyClass::Letters, code)) << code;
  }
  // Digits, punctuation (apostrophe, hyphen), the neighbours of the letter ranges, control
  // codes such as Ctrl+C/V/X, and every code above 127.
  for (int code : std::initializer_list<int>{'0', '3', '9', '\'', '-', '@', '[', '`', '{', '.', 3,
                                             22, 24, 13, 9, 128, 200, 233, 255}) {
    EXPECT_FALSE(AcceptsKey(KeyClass::Letters, code)) << code;
  }
}

TEST(KeyClassesTest, DigitsBoxesTakeDigitsAndEditingKeys) {
  for (int code : std::initializer_list<int>{'0', '5', '9', 8, 127})
    EXPECT_TRUE(AcceptsKey(KeyClass::Digits, code)) << code;
  for (int code :
       std::initializer_list<int>{'-', '.', '+', ' ', 'a', 'E', '/', ':', 3, 22, 24, 200}) {
    EXPECT_FALSE(AcceptsKey(KeyClass::Digits, code)) << code;
  }
}

TEST(KeyClassesTest, WholeTextsAreJudgedByEveryCharacter) {
  EXPECT_TRUE(AcceptsText(KeyClass::Letters, "New York"));
  EXPECT_TRUE(AcceptsText(KeyClass::Letters, ""));
  EXPECT_FALSE(AcceptsText(KeyClass::Letters, "O'Hara"));
  EXPECT_FALSE(AcceptsText(KeyClass::Letters, "Zürich"));
  // Editing keys are keys, not text: a pasted DEL or backspace character is refused.
  EXPECT_FALSE(AcceptsText(KeyClass::Letters, "Pune\x7f"));
  EXPECT_FALSE(AcceptsText(KeyClass::Letters, "Pune\b"));
  EXPECT_TRUE(AcceptsText(KeyClass::Digits, "072"));
  EXPECT_FALSE(AcceptsText(KeyClass::Digits, "7.5"));
  EXPECT_FALSE(AcceptsText(KeyClass::Digits, "-1"));
  EXPECT_FALSE(AcceptsText(KeyClass::Digits, "1 2"));
}

TEST(KeyClassesTest, EachBoxBelongsToItsClassWithItsMessage) {
  for (FormField field :
       {FormField::txtName, FormField::txtCity, FormField::txtState, FormField::txtCountry}) {
    EXPECT_EQ(KeyClassOf(field), KeyClass::Letters);
  }
  for (FormField field :
       {FormField::txtLatDeg, FormField::txtLatMin, FormField::txtLonDeg, FormField::txtLonMin}) {
    EXPECT_EQ(KeyClassOf(field), KeyClass::Digits);
  }
  EXPECT_EQ(RefusalMessage(KeyClass::Letters), "Please enter only letters");
  EXPECT_EQ(RefusalMessage(KeyClass::Digits), "Please enter only numbers");
  EXPECT_TRUE(RefocusesAfterRefusal(KeyClass::Letters));
  EXPECT_FALSE(RefocusesAfterRefusal(KeyClass::Digits));
}

TEST(DigitTextTest, HoldsNothingButUpToThreeDigits) {
  for (const char* good : {"", "0", "72", "999", "007"}) {
    ASSERT_TRUE(DigitText::Parse(good)) << good;
    EXPECT_EQ(DigitText::Parse(good)->Text(), good);
  }
  for (const char* bad : {"1000", "-1", "1.5", " 1", "1 ", "a", "+5", "1e2"}) {
    EXPECT_FALSE(DigitText::Parse(bad)) << bad;
  }
  EXPECT_EQ(DigitText::Parse("999")->Value(), 999);
  EXPECT_EQ(DigitText::Parse("007")->Value(), 7);
  EXPECT_EQ(DigitText::Parse("")->Value(), 0);
  EXPECT_TRUE(DigitText().Empty());
}

// The atlas fills a box from a number: its decimal digits, without leading zeros.
TEST(DigitTextTest, HoldsANumberAsItsDigits) {
  const std::pair<int, std::string_view> cases[] = {{0, "0"}, {7, "7"}, {59, "59"}, {180, "180"}};
  for (const auto& [number, digits] : cases) {
    ASSERT_TRUE(DigitText::OfNumber(number)) << number;
    EXPECT_EQ(DigitText::OfNumber(number)->Text(), digits);
    EXPECT_EQ(DigitText::OfNumber(number)->Value(), number);
  }
  EXPECT_FALSE(DigitText::OfNumber(1000));
  EXPECT_FALSE(DigitText::OfNumber(-1));
}

}  // namespace
}  // namespace tarvel
