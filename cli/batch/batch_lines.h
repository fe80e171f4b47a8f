#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::cli {

/// How long a physical input line is, and whether it was kept whole. A last line may end
/// without a line feed, as spreadsheets write it.
struct LineShape {
  std::size_t length = 0;  ///< bytes kept, without the line feed
  bool tooLong = false;    ///< longer than the limit; only the limit's worth was kept
};

/// Reads an input stream line by line through a fixed buffer, so that memory stays the same
/// however long the input; a UTF-8 byte order mark at the very start is skipped. It takes what
/// the stream has at hand, so a line is read as soon as it arrives.
class LineReader {
 public:
  LineReader(std::istream& in, std::size_t maxLineBytes);

  /// Appends the next line's bytes (without the line feed) to `text`; nothing at the end.
  std::optional<LineShape> AppendNextLine(std::string& text);

  /// The first byte of the input that is not a space, tab, CR or LF, if there is one; the
  /// buffer grows to hold the blank bytes before it.
  std::optional<char> FirstNonBlankByte();

  /// True when the next line has arrived whole, or is arriving (the stream holds more bytes).
  bool LineAtHand() const;

  /// True when reading failed for another reason than the end of the input.
  bool Failed() const { return failed_; }

 private:
  bool Refill();
  // Reads what the stream has at hand, at least a byte unless it ends, into `room` bytes at
  // `to`; the count.
  std::size_t ReadAtHand(char* to, std::size_t room);

  std::istream& in_;
  std::size_t maxLineBytes_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
};

}  // namespace tarvel::cli
