#include "cli/batch/batch_json_line.h"

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
    return Value([](BatchField field) -> std::optional<std::string> {
      if (field <= BatchField::Lon) return WrongType(field);
      return std::nullopt;
    });
  }
  bool boolean(bool value) {
    return Value([&](BatchField field) -> std::optional<std::string> {
      if (field != BatchField::Dst) return WrongType(field);
      fields.SetDst(value);
      return std::nullopt;
    });
  }
  bool number_integer(Json::number_integer_t value) { return Whole(value); }
  bool number_unsigned(Json::number_unsigned_t value) {
    if (value > static_cast<Json::number_unsigned_t>(INT64_MAX)) {
      return Fail(ZoneOutsideMessage(std::to_string(value)));
    }
    return Whole(static_cast<std::int64_t>(value));
  }
  bool number_float(Json::number_float_t, const std::string&) {
    return Value([&](BatchField field) { return WrongType(field); });
  }
  bool string(std::string& value) {
    return Value([&](BatchField field) -> std::optional<std::string> {
      if (field == BatchField::Zone || field == BatchField::Dst || field == BatchField::Varga)
        return WrongType(field);
      if (field >= BatchField::Sky) return fields.SetFromText(field, value);
      fields.SetText(field, std::move(value));
      return std::nullopt;
    });
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
  bool Whole(std::int64_t value) {
    return Value([&](BatchField field) -> std::optional<std::string> {
      if (field == BatchField::Varga) return fields.SetVarga(value);
      if (field != BatchField::Zone) return WrongType(field);
      return fields.SetZone(value);
    });
  }
  bool Open() {
    if (depth_ == 1) return Check(WrongType(*current_));
    ++depth_;
    return true;
  }
  bool Close() {
    --depth_;
    return true;
  }
  static std::optional<std::string> WrongType(BatchField field) {
    const bool whole = field == BatchField::Zone || field == BatchField::Varga;
    const std::string_view kind = whole                      ? "a whole number"
                                  : field == BatchField::Dst ? "true or false"
                                                             : "a string";
    return Joined({"field '", FieldName(field), "' must be ", kind});
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
