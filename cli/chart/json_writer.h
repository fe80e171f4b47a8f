#pragma once

#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel::cli {

/// Appends compact JSON to a string, byte for byte as nlohmann's dump(-1) writes it with
/// non-ASCII kept and invalid UTF-8 replaced. Commas are written as members and elements come:
/// a key or a value that follows a value takes one.
class JsonWriter {
 public:
  /// Writes after what `out` already holds.
  explicit JsonWriter(std::string& out) : out_(out) {}

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  /// A member's name: one of the program's own, which needs no escaping.
  void Key(std::string_view name);
  /// Any text, escaped; bytes that are not UTF-8 are replaced.
  void String(std::string_view text);
  /// One of the program's own texts (names, labels, houses, sign boxes), UTF-8 without control
  /// characters, quotes or backslashes: written as it is, without looking at each byte.
  void Text(std::string_view text) {
    TextFrom([text](std::string& out) { out.append(text); });
  }
  /// A text of the program's own, as Text, appended by `append(out)` to the output in place,
  /// without a string of its own.
  template <typename Append>
  void TextFrom(Append append) {
    const std::size_t start = OpenText();
    append(out_);
    CloseText(start);
  }
  /// Lines of the program's own text as one string, each followed by CR LF: `appendLine(out,
  /// i)` appends line i (of `count`) to the output in place.
  template <typename AppendLine>
  void TextLines(std::size_t count, AppendLine appendLine) {
    std::size_t start = OpenText();
    for (std::size_t i = 0; i < count; ++i) {
      appendLine(out_, i);
      BreakLine(start);
    }
    CloseText(start);
  }
  void Integer(std::int64_t value);
  /// A whole number, or null where there is none.
  void IntegerOrNull(std::optional<int> value);
  /// 17 significant digits, as printf's "%.17g" writes them: more than the shortest text that
  /// reads back, as the chart's JSON has always promised.
  void Number(double value);
  /// The shortest text that reads back to the same double: for a value given in decimal, such
  /// as a year's length of 365.256364 days, which 17 digits would write as 365.25636400000002.
  void ShortestNumber(double value);
  void Null();

 private:
  // The small steps are written here, in the header, so that the compiler can fold them into
  // the writers of a chart's keys: a line holds hundreds of keys and texts.
  void BeginValue() {
    if (afterValue_) out_.push_back(',');
    afterValue_ = true;
  }
  void Open(char bracket) {
    BeginValue();
    out_.push_back(bracket);
    afterValue_ = false;
  }
  void Close(char bracket) {
    out_.push_back(bracket);
    afterValue_ = true;
  }
  // The opening quote of a text, and where the text will start.
  std::size_t OpenText() {
    BeginValue();
    out_.push_back('"');
    return out_.size();
  }
  // Checks in a debug build that the text from `start` needs no escaping; the closing quote.
  void CloseText([[maybe_unused]] std::size_t start) {
    assert(NeedsNoEscaping(std::string_view(out_).substr(start)));
    out_.push_back('"');
  }
  // True when the text holds no byte that JSON escapes.
  static bool NeedsNoEscaping(std::string_view text);
  // CR LF as JSON escapes it, after a line that started at `start`.
  void BreakLine(std::size_t& start);

  std::string& out_;
  // True right after a value, where the next member or element needs a comma.
  bool afterValue_ = false;
};

}  // namespace tarvel::cli
