#include "form/scramble.h"

namespace tarvel {
namespace {

constexpr int kShift = 85;
constexpr int kMaxCode = 255;

// Adds `shift` to every byte and keeps only the results that are still a byte.
std::string Shifted(std::string_view text, int shift) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    const int code = static_cast<unsigned char>(c) + shift;
    if (code >= 0 && code <= kMaxCode) result.push_back(static_cast<char>(code));
  }
  return result;
}

}  // namespace

std::string ScrambleText(std::string_view text) {
  return Shifted(text, kShift);
}

std::string UnscrambleText(std::string_view text) {
  return Shifted(text, -kShift);
}

}  // namespace tarvel
