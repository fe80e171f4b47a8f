#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace tarvel::cli {

/// Appends compact JSON to a string, byte for byte as nlohmann's dump(-1) writes it with
/// non-ASCII kept and invalid UTF-8 replaced, but without building a document first. The
/// value is put together in a small buffer of its own (on the stack, unless a single text is
/// longer), which is never cleared before use, and appended to the string whenever it fills
/// and once the writer is gone.
class JsonText {
 public:
  /// Writes one JSON value after what `out` already holds.
  explicit JsonText(std::string& out) : out_(out) {}
  ~JsonText() { out_.append(buffer_, used_); }
  JsonText(const JsonText&) = delete;
  JsonText& operator=(const JsonText&) = delete;

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  /// A member's name; `name` must need no escaping.
  void Key(std::string_view name);
  void Number(std::int64_t value);
  void Null() { RawNumber("null"); }
  /// A number written as it stands, e.g. with more digits than the shortest form.
  void RawNumber(std::string_view digits);
  void String(std::string_view text);
  /// One string written piece by piece, as if the pieces were joined first: BeginString, then
  /// any pieces, then EndString.
  void BeginString();
  /// A piece that needs no escaping (UTF-8 without control characters, quotes or
  /// backslashes): copied as it is. Also continues a value begun with RawValue.
  void PlainPiece(std::string_view piece) { Put(piece); }
  /// A piece that needs no escaping, then a whole number written after it: `,"BirthDay":` and
  /// 13. For members of a fixed shape, as RawValue.
  void PlainPieceAndNumber(std::string_view piece, std::int64_t value);
  /// Bytes that need no escaping written in place by `write(to)`, which writes at most
  /// `maxBytes` and returns the end of what it wrote: a number or a date without a text of
  /// their own. Continues a value as PlainPiece does.
  template <typename Write>
  void PlainWritten(std::size_t maxBytes, Write write) {
    Advance(write(Room(maxBytes)));
  }
  /// Pieces that need no escaping, one after the other, with one check for room.
  template <typename... Pieces>
  void PlainPieces(const Pieces&... pieces) {
    char* to = Room((std::size_t{0} + ... + std::string_view(pieces).size()));
    ((to = CopyPiece(to, pieces)), ...);
    Advance(to);
  }
  /// Begins a value written as it stands, from pieces that need no escaping (`{"Position":`),
  /// with the comma before it where one is due, or from no piece at all; PlainPiece and
  /// PlainWritten write the rest. For values of a fixed shape written thousands of times, where
  /// a call per key would cost more than the text.
  template <typename... Pieces>
  void RawValue(const Pieces&... pieces) {
    BeginValue();
    PlainPieces(pieces...);
  }
  /// Like RawValue, for pieces that leave an object or an array open (`{"House":1,"Argala":[`):
  /// the next member or element takes no comma.
  template <typename... Pieces>
  void RawOpen(const Pieces&... pieces) {
    RawValue(pieces...);
    valueEnded_ = false;
  }
  /// Closes what RawOpen or Begin… opened, as many levels as `brackets` holds (`]}`).
  void CloseWith(std::string_view brackets) {
    Put(brackets);
    valueEnded_ = true;
  }
  /// Where the next byte will go, counted in the string: marks a stretch to write again.
  std::size_t Mark() const { return out_.size() + used_; }
  /// Writes again the bytes between two marks, taken where the writer stood as it stands now
  /// (after an opening bracket, say) and after the stretch closed what was open.
  void RepeatClosed(std::size_t begin, std::size_t end);
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
  // Pieces of this size are copied into the string by a vector loop; a chart's 13 KB in one
  // piece would take the byte-by-byte copy the C library uses for large blocks.
  static constexpr std::size_t kFirstCapacity = 2 * 1024;

  // Writes bytes that need no escaping.
  void Put(std::string_view bytes) { Advance(CopyPiece(Room(bytes.size()), bytes)); }
  // Copies a piece to `to` and returns its end. Most pieces are short: two fixed-size copies
  // that may overlap take fewer instructions than a call to memcpy.
  static char* CopyPiece(char* to, std::string_view bytes) {
    const std::size_t size = bytes.size();
    const char* from = bytes.data();
    if (size >= 16 && size <= 32) {
      std::memcpy(to, from, 16);
      std::memcpy(to + size - 16, from + size - 16, 16);
    } else if (size > 32 && size <= 64) {
      std::memcpy(to, from, 32);
      std::memcpy(to + size - 32, from + size - 32, 32);
    } else if (size >= 8 && size < 16) {
      std::memcpy(to, from, 8);
      std::memcpy(to + size - 8, from + size - 8, 8);
    } else if (size >= 4 && size < 8) {
      std::memcpy(to, from, 4);
      std::memcpy(to + size - 4, from + size - 4, 4);
    } else if (size < 4) {
      for (std::size_t i = 0; i < size; ++i) to[i] = from[i];
    } else {
      std::memcpy(to, from, size);
    }
    return to + size;
  }
  // Room for `bytes` more after what was written; returns where it starts.
  char* Room(std::size_t bytes) {
    if (capacity_ - used_ < bytes) MakeRoom(bytes);
    return buffer_ + used_;
  }
  // Hands what was written to the string, and grows the buffer for a text longer than it.
  void MakeRoom(std::size_t bytes);
  void Advance(const char* to) { used_ = static_cast<std::size_t>(to - buffer_); }
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
  char firstBuffer_[kFirstCapacity];
  // Where the text is put together: firstBuffer_, or longerBuffer_ for a longer text.
  char* buffer_ = firstBuffer_;
  std::unique_ptr<char[]> longerBuffer_;
  std::size_t capacity_ = kFirstCapacity;
  std::size_t used_ = 0;
  // True right after a value, where the next member or element needs a comma.
  bool valueEnded_ = false;
};

}  // namespace tarvel::cli
