#include "cli/batch/batch_lines.h"

#include <cstring>

namespace tarvel::cli {
namespace {

// Small enough that a slow producer's lines flow through soon, big enough for few reads.
constexpr std::size_t kBufferBytes = std::size_t{1} << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

}  // namespace tarvel::cli
