#include "cli/simple_json_object.h"

#include <optional>

namespace tarvel::cli {
namespace {

// Longer numbers are left to the full parser, so that none overflows here.
constexpr std::size_t kMaxDigits = 18;

class Scanner {
 public:
  explicit Scanner(std::string_view text) : rest_(text) {}

  void SkipSpace() {
    while (!rest_.empty() && IsSpace(rest_.front())) rest_.remove_prefix(1);
  }
  // Skips white space, then takes `c` if it comes next.
  bool Take(char c) {
    SkipSpace();
    if (rest_.empty() || rest_.front() != c) return false;
    rest_.remove_prefix(1);
    return true;
  }
  bool AtEnd() const { return rest_.empty(); }

  // A string without escapes or control characters, after its opening quote.
  std::optional<std::string_view> StringBody() {
    for (std::size_t at = 0; at < rest_.size(); ++at) {
      const char c = rest_[at];
      if (c == '"') {
        const std::string_view body = rest_.substr(0, at);
        rest_.remove_prefix(at + 1);
        return body;
      }
      if (c == '\\' || static_cast<unsigned char>(c) < 0x20) return std::nullopt;
    }
    return std::nullopt;
  }

  std::optional<SimpleJsonValue> Value() {
    if (Take('"')) return StringBody();
    if (TakeWord("true")) return true;
    if (TakeWord("false")) return false;
    return WholeNumber();
  }

 private:
  static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  bool TakeWord(std::string_view word) {
    if (!rest_.starts_with(word)) return false;
    rest_.remove_prefix(word.size());
    return true;
  }

  // 0|[1-9][0-9]*, not followed by a fraction or an exponent; a sign is left to the full
  // parser.
  std::optional<SimpleJsonValue> WholeNumber() {
    std::size_t digits = 0;
    while (digits < rest_.size() && IsDigit(rest_[digits])) ++digits;
    if (digits == 0 || digits > kMaxDigits || (digits > 1 && rest_.front() == '0')) {
      return std::nullopt;
    }
    std::int64_t value = 0;
    for (std::size_t i = 0; i < digits; ++i) value = value * 10 + (rest_[i] - '0');
    rest_.remove_prefix(digits);
    if (!rest_.empty() && (rest_.front() == '.' || rest_.front() == 'e' || rest_.front() == 'E'))
      return std::nullopt;
    return value;
  }

  std::string_view rest_;
};

}  // namespace

bool ReadSimpleJsonObject(std::string_view text, const SimpleJsonMember& member) {
  Scanner scan(text);
  if (!scan.Take('{')) return false;
  do {
    if (!scan.Take('"')) return false;
    const auto key = scan.StringBody();
    if (!key || !scan.Take(':')) return false;
    scan.SkipSpace();
    const auto value = scan.Value();
    if (!value || !member(*key, *value)) return false;
  } while (scan.Take(','));
  if (!scan.Take('}')) return false;
  scan.SkipSpace();
  return scan.AtEnd();
}

}  // namespace tarvel::cli
