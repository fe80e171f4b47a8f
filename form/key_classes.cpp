#include "form/key_classes.h"

#include <algorithm>

namespace tarvel {
namespace {

constexpr int kBackspace = 8;
constexpr int kDelete = 127;

bool IsLetterOrSpace(int code) {
  return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ';
}

bool IsDigit(int code) {
  return code >= '0' && code <= '9';
}

bool IsTextCode(KeyClass keyClass, int code) {
  return keyClass == KeyClass::Letters ? IsLetterOrSpace(code) : IsDigit(code);
}

}  // namespace

KeyClass KeyClassOf(FormField field) {
  switch (field) {
    case FormField::txtLatDeg:
    case FormField::txtLatMin:
    case FormField::txtLonDeg:
    case FormField::txtLonMin:
      return KeyClass::Digits;
    default:
      return KeyClass::Letters;
  }
}

bool AcceptsKey(KeyClass keyClass, int code) {
  return IsTextCode(keyClass, code) || code == kBackspace || code == kDelete;
}

bool AcceptsText(KeyClass keyClass, std::string_view text) {
  return std::all_of(text.begin(), text.end(), [keyClass](char c) {
    return IsTextCode(keyClass, static_cast<unsigned char>(c));
  });
}

std::string_view RefusalMessage(KeyClass keyClass) {
  return keyClass == KeyClass::Letters ? "Please enter only letters" : "Please enter only numbers";
}

bool RefocusesAfterRefusal(KeyClass keyClass) {
  return keyClass == KeyClass::Letters;
}

}  // namespace tarvel
