#include "cli/chart/json_writer.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <iterator>
#include <utility>

#include <fmt/format.h>
#include <nlohmann/json.hpp>

#include "base/utf8.h"

namespace tarvel::cli {
namespace {

// Bytes below 0x80 that JSON writes as they are: neither control characters, quotes nor
// backslashes. A table, because escaping looks up every byte of the reading.
constexpr std::array<bool, 0x100> kPlainAscii = [] {
  std::array<bool, 0x100> plain{};
  for (int c = 0x20; c < 0x80; ++c) plain[c] = c != '"' && c != '\\';
  return plain;
}();

bool IsPlainAscii(unsigned char byte) {
  return kPlainAscii[byte];
}

// A byte below 0x80 that needs escaping, as nlohmann writes it: the short forms where JSON has
// them, otherwise \u00xx in lower-case hex.
void AppendEscape(unsigned char byte, std::string& out) {
  constexpr std::pair<char, std::string_view> kShortForms[] = {
      {'"', "\\\""}, {'\\', "\\\\"}, {'\b', "\\b"}, {'\t', "\\t"},
      {'\n', "\\n"}, {'\f', "\\f"},  {'\r', "\\r"}};
  for (const auto& [plain, escaped] : kShortForms) {
    if (static_cast<unsigned char>(plain) == byte) {
      out.append(escaped);
      return;
    }
  }
  fmt::format_to(std::back_inserter(out), "\\u{:04x}", byte);
}

// Appends `text` escaped; false when it is not UTF-8. What needs no escape is appended in runs.
bool AppendEscaped(std::string_view text, std::string& out) {
  std::size_t plainFrom = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (IsPlainAscii(byte)) {
      ++i;
    } else if (byte >= 0x80) {
      const std::size_t length = Utf8SequenceLength(text.substr(i));
      if (length == 0) return false;
      i += length;
    } else {
      out.append(text.substr(plainFrom, i - plainFrom));
      AppendEscape(byte, out);
      plainFrom = ++i;
    }
  }
  out.append(text.substr(plainFrom));
  return true;
}

// Appends what std::to_chars writes for the arguments: a number's digits.
template <typename... Arguments>
void AppendToChars(std::string& out, Arguments... arguments) {
  char digits[32];
  out.append(digits, std::to_chars(std::begin(digits), std::end(digits), arguments...).ptr);
}

}  // namespace

bool JsonWriter::NeedsNoEscaping(std::string_view text) {
  return std::none_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x80 && !IsPlainAscii(byte);
  });
}

// The key and what surrounds it put together first, so that they reach the output in one copy:
// a line holds hundreds of keys.
void JsonWriter::Key(std::string_view name) {
  assert(NeedsNoEscaping(name));
  std::array<char, 64> piece;
  assert(name.size() + 4 <= piece.size());
  char* to = piece.data();
  if (afterValue_) *to++ = ',';
  *to++ = '"';
  to = std::copy(name.begin(), name.end(), to);
  *to++ = '"';
  *to++ = ':';
  out_.append(piece.data(), to);
  afterValue_ = false;
}

void JsonWriter::String(std::string_view text) {
  BeginValue();
  const std::size_t start = out_.size();
  out_.push_back('"');
  if (AppendEscaped(text, out_)) {
    out_.push_back('"');
    return;
  }
  // Broken UTF-8 is rare; the library decides what replaces it.
  out_.resize(start);
  out_.append(nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

void JsonWriter::BreakLine(std::size_t& start) {
  assert(NeedsNoEscaping(std::string_view(out_).substr(start)));
  out_.append("\\r\\n");
  start = out_.size();
}

void JsonWriter::Integer(std::int64_t value) {
  BeginValue();
  AppendToChars(out_, value);
}

void JsonWriter::IntegerOrNull(std::optional<int> value) {
  if (value) {
    Integer(*value);
  } else {
    Null();
  }
}

void JsonWriter::Number(double value) {
  BeginValue();
  AppendToChars(out_, value, std::chars_format::general, 17);
}

void JsonWriter::ShortestNumber(double value) {
  BeginValue();
  AppendToChars(out_, value);
}

void JsonWriter::Null() {
  BeginValue();
  out_.append("null");
}

}  // namespace tarvel::cli
