#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvel::cli {

/// Appends compact JSON to a string, byte for byte as nlohmann's dump(-1) writes it with
/// non-ASCII kept and invalid UTF-8 replaced, but without building a document first.
class JsonText {
 public:
  /// Writes one JSON value after what `out` already holds.
  explicit JsonText(std::string& out) : out_(out), start_(out.size()) {}

  void BeginObject() {
    Comma();
    out_ += '{';
  }
  void EndObject() { out_ += '}'; }
  void BeginArray() {
    Comma();
    out_ += '[';
  }
  void EndArray() { out_ += ']'; }
  /// A member's name; `name` must need no escaping.
  void Key(std::string_view name);
  void Number(std::int64_t value);
  /// A number written as it stands, e.g. with more digits than the shortest form.
  void RawNumber(std::string_view digits);
  void String(std::string_view text);
  /// One string made of several pieces, as if they were joined first.
  template <typename Pieces>
  void JoinedString(const Pieces& pieces);

 private:
  // Writes the comma before a member or an element, unless it is the first.
  void Comma();
  bool EscapesAlone(std::string_view text) const;
  void AppendEscaped(std::string_view text);

  std::string& out_;
  std::size_t start_;
};

template <typename Pieces>
void JsonText::JoinedString(const Pieces& pieces) {
  bool plain = true;
  for (std::string_view piece : pieces) plain = plain && EscapesAlone(piece);
  if (!plain) {
    std::string joined;
    for (std::string_view piece : pieces) joined += piece;
    String(joined);
    return;
  }
  Comma();
  out_ += '"';
  for (std::string_view piece : pieces) AppendEscaped(piece);
  out_ += '"';
}

}  // namespace tarvel::cli
