#include "cli/batch/batch_lines.h"

#include <cstring>

namespace tarvel::cli {
namespace {

// Big enough for few reads when the input comes fast.
constexpr std::size_t kBufferBytes = std::size_t{1} << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LineReader::LineReader(std::istream& in, std::size_t maxLineBytes)
    : in_(in), maxLineBytes_(maxLineBytes), buffer_(kBufferBytes) {
  Refill();
  // A slow stream may give the mark a byte at a time.
  while (end_ < kByteOrderMark.size() &&
         kByteOrderMark.starts_with(std::string_view(buffer_.data(), end_))) {
    const std::size_t count = ReadAtHand(buffer_.data() + end_, buffer_.size() - end_);
    if (count == 0) break;
    end_ += count;
  }
  const std::string_view start(buffer_.data(), end_);
  if (start.starts_with(kByteOrderMark)) begin_ = kByteOrderMark.size();
}

std::size_t LineReader::ReadAtHand(char* to, std::size_t room) {
  if (atEnd_) return 0;
  // peek waits for a byte; readsome then takes what the stream's buffer holds (nothing from
  // an unbuffered stream, which then gives a byte at a time).
  if (in_.peek() == std::istream::traits_type::eof()) {
    atEnd_ = true;
    failed_ = in_.bad();
    return 0;
  }
  const auto count = static_cast<std::size_t>(in_.readsome(to, static_cast<std::streamsize>(room)));
  if (count > 0) return count;
  in_.get(*to);
  return 1;
}

bool LineReader::Refill() {
  begin_ = 0;
  end_ = ReadAtHand(buffer_.data(), buffer_.size());
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
      return shape;
    }
  }
  if (!sawBytes) return std::nullopt;
  return shape;
}

std::optional<char> LineReader::FirstNonBlankByte() {
  for (std::size_t at = begin_;; ++at) {
    if (at == end_) {
      // Keep the blank lines: they are lines of the input too.
      if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
      const std::size_t count = ReadAtHand(buffer_.data() + end_, buffer_.size() - end_);
      if (count == 0) return std::nullopt;
      end_ += count;
    }
    const char c = buffer_[at];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return c;
  }
}

bool LineReader::LineAtHand() const {
  if (begin_ < end_ && std::memchr(buffer_.data() + begin_, '\n', end_ - begin_) != nullptr) {
    return true;
  }
  // The rest of a line begun in the buffer is on its way when the stream holds more.
  return atEnd_ || in_.rdbuf()->in_avail() > 0;
}

}  // namespace tarvel::cli
