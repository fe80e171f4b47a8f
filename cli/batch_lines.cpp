#include "cli/batch_lines.h"

#include <cstring>

namespace tarvel::cli {
namespace {

// Small enough that a slow producer's lines flow through soon, big enough for few reads.
constexpr std::size_t kBufferBytes = std::size_t{1} << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence at the start of `text`, or 0 when it is not one.
// The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
std::size_t SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  const auto second = static_cast<unsigned char>(text[1]);
  if (second < low || second > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[i]))) return 0;
  }
  return length;
}

}  // namespace

LineReader::LineReader(std::istream& in, std::size_t maxLineBytes)
    : in_(in), maxLineBytes_(maxLineBytes), buffer_(kBufferBytes) {
  Refill();
  const std::string_view start(buffer_.data(), end_);
  if (start.starts_with(kByteOrderMark)) begin_ = kByteOrderMark.size();
}

bool LineReader::Refill() {
  if (atEnd_) return false;
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  begin_ = 0;
  end_ = static_cast<std::size_t>(in_.gcount());
  if (!in_) {
    atEnd_ = true;
    failed_ = in_.bad();
  }
  return end_ > 0;
}

std::optional<LineShape> LineReader::AppendNextLine(std::string& text) {
  LineShape shape;
  bool sawBytes = false;
  while (begin_ < end_ || Refill()) {
    sawBytes = true;
    const char* start = buffer_.data() + begin_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
    const std::size_t segment = newline ? static_cast<std::size_t>(newline - start) : end_ - begin_;
    const std::size_t room = maxLineBytes_ - shape.length;
    const std::size_t kept = segment < room ? segment : room;
    text.append(start, kept);
    shape.length += kept;
    shape.tooLong = shape.tooLong || kept < segment;
    begin_ += segment;
    if (newline) {
      ++begin_;
      shape.endsInNewline = true;
      return shape;
    }
  }
  if (!sawBytes) return std::nullopt;
  return shape;
}

std::optional<char> LineReader::FirstNonBlankByte() {
  for (std::size_t at = begin_; at < end_; ++at) {
    const char c = buffer_[at];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return c;
  }
  return std::nullopt;
}

std::optional<std::size_t> FindInvalidUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t length = SequenceLength(text.substr(at));
    if (length == 0) return at;
    at += length;
  }
  return std::nullopt;
}

}  // namespace tarvel::cli
