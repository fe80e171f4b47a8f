#include "cli/batch/batch_json_line.h"

#include <array>
#include <charconv>
#include <optional>

#include <nlohmann/json.hpp>

#include "cli/batch/batch_fields.h"
#include "cli/chart/quoted_input.h"

namespace tarvel::cli {
namespace {

using Json = nlohmann::json;

// Reads the events of one flat object straight into the fields, without building a document.
// Any handler that returns false stops the parse with `error` set.
class BirthLineHandler {
 public:
  bool null() {
    return Value([&](BatchField field) { return fields.SetNull(field); });
  }
  bool boolean(bool value) {
    return Value([&](BatchField field) { return fields.SetTruth(field, value); });
  }
  bool number_integer(Json::number_integer_t value) { return Whole(value); }
  bool number_unsigned(Json::number_unsigned_t value) { return Whole(value); }
  bool number_float(Json::number_float_t, const std::string& text) {
    // An integer too large for 64 bits arrives as a float: it is a whole number all the same,
    // refused for its range by a field that takes one.
    const bool whole =
        text.find_first_not_of("0123456789", text.starts_with('-') ? 1 : 0) == std::string::npos;
    if (whole) return WholeText(text);
    return Value([&](BatchField field) { return WrongTypeMessage(field); });
  }
  bool string(std::string& value) {
    return Value([&](BatchField field) { return fields.SetString(field, std::move(value)); });
  }
  bool binary(Json::binary_t&) { return Fail("expected a JSON object"); }
  bool start_object(std::size_t) { return Open(); }
  bool start_array(std::size_t) {
    if (depth_ == 0) return Fail("expected a JSON object, not an array");
    return Open();
  }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }
  bool key(std::string& name) {
    current_ = FindBatchField(name);
    if (!current_) return Fail("unknown field " + QuotedForMessage(name));
    return Check(fields.MarkGiven(*current_));
  }
  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& e) {
    // The library's text reads "[json.exception.parse_error.101] parse error at line 1,
    // column 7: syntax error ..."; only its reason is worth showing.
    const std::string_view what = e.what();
    const std::size_t reason = what.find(": ");
    // The reason quotes the last token read.
    return Fail(Joined({"malformed JSON at byte ", std::to_string(position), ": ",
                        EscapedForMessage(what.substr(reason == what.npos ? 0 : reason + 2))}));
  }

  BirthFields fields;
  std::optional<std::string> error;

 private:
  // A value directly inside the object belongs to the field just named; a value anywhere
  // else is the whole line (not an object) or a part of a nested value (already refused).
  template <typename Set>
  bool Value(Set set) {
    if (depth_ == 0) return Fail("expected a JSON object");
    return Check(set(*current_));
  }
  // The number as decimal text, so that one too large for any field is shown as it was.
  template <typename Number>
  bool Whole(Number value) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return WholeText(std::string_view(digits.data(), end));
  }
  bool WholeText(std::string_view digits) {
    return Value([&](BatchField field) { return fields.SetWhole(field, digits); });
  }
  bool Open() {
    if (depth_ == 1) return Fail(WrongTypeMessage(*current_));
    ++depth_;
    return true;
  }
  bool Close() {
    --depth_;
    return true;
  }
  bool Check(std::optional<std::string> refusal) {
    if (!refusal) return true;
    return Fail(std::move(*refusal));
  }
  bool Fail(std::string message) {
    error = std::move(message);
    return false;
  }

  int depth_ = 0;
  std::optional<BatchField> current_;
};

}  // namespace

std::variant<BirthOptions, std::string> ParseJsonBirthLine(std::string_view line) {
  BirthLineHandler handler;
  Json::sax_parse(line.begin(), line.end(), &handler);
  if (handler.error) return std::move(*handler.error);
  if (auto missing = handler.fields.Finish()) return std::move(*missing);
  return std::move(handler.fields.Options());
}

}  // namespace tarvel::cli
