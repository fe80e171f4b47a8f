#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tarvel::cli {

/// Appends compact JSON to a string, byte for byte as nlohmann's dump(-1) writes it with
/// non-ASCII kept and invalid UTF-8 replaced, but without building a document first. The
/// string grows in large steps while writing; the JSON is complete once the writer is gone.
class JsonText {
 public:
  /// Writes one JSON value after what `out` already holds.
  explicit JsonText(std::string& out) : out_(out), used_(out.size()) {}
  /// Trims the string to what was written.
  ~JsonText() { out_.resize(used_); }
  JsonText(const JsonText&) = delete;
  JsonText& operator=(const JsonText&) = delete;

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  /// A member's name; `name` must need no escaping.
  void Key(std::string_view name);
  void Number(std::int64_t value);
  /// A number written as it stands, e.g. with more digits than the shortest form.
  void RawNumber(std::string_view digits);
  void String(std::string_view text);
  /// One string written piece by piece, as if the pieces were joined first: BeginString, then
  /// any pieces, then EndString.
  void BeginString();
  /// A piece that needs no escaping (printable ASCII, no quote, no backslash): copied as it is.
  void PlainPiece(std::string_view piece) { Put(piece); }
  /// A piece escaped as String escapes it; UTF-8 only.
  void EscapedPiece(std::string_view piece);
  void EndString() { Put("\""); }

 private:
  // Writes the comma before a member or an element, unless it is the first; what follows
  // is taken to end a value, until Open or Key says otherwise.
  void BeginValue() {
    if (valueEnded_) Put(",");
    valueEnded_ = true;
  }
  void Open(char bracket);
  void Close(char bracket);
  // Writes bytes that need no escaping; most are short and fit the room already there.
  void Put(std::string_view bytes) {
    if (out_.size() - used_ < bytes.size()) Room(bytes.size());
    std::memcpy(out_.data() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
  }
  // Room for at least `bytes` more after what was written; returns where it starts.
  char* Room(std::size_t bytes);
  void Advance(char* to) { used_ = static_cast<std::size_t>(to - out_.data()); }
  // A string's quoted text, without the comma before it.
  void StringValue(std::string_view text);
  // The library's text for a string that is not UTF-8.
  void ReplacedString(std::string_view text);
  // The most room a text can take once escaped.
  static std::size_t MaxEscapedLength(std::string_view text);
  // Writes a text escaped at `to`; returns the end of what was written, or nullptr when the
  // text is not UTF-8.
  static char* WriteEscaped(std::string_view text, char* to);

  std::string& out_;
  std::size_t used_;
  // True right after a value, where the next member or element needs a comma.
  bool valueEnded_ = false;
};

}  // namespace tarvel::cli
