#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

/// The code points of UTF-8 text, one string each; a terminal shows each in one column.
std::vector<std::string> SplitCodePoints(std::string_view text);

/// The number of terminal columns UTF-8 text takes, one per code point.
int DisplayWidth(std::string_view text);

/// Text wrapped at spaces into lines of at most `width` columns; a word wider than a line is
/// cut.
std::vector<std::string> WrapText(std::string_view text, int width);

/// A fixed grid of terminal cells to write text into and to rule with box-drawing lines,
/// which join where they meet.
class TextCanvas {
 public:
  /// A blank canvas `width` columns wide and `height` lines high.
  TextCanvas(int width, int height);

  /// Writes text from column x of line y; what falls outside the canvas is dropped.
  void Put(int x, int y, std::string_view text);
  /// Rules a horizontal line on line y from column x0 to column x1 inclusive.
  void RuleHorizontal(int y, int x0, int x1);
  /// Rules a vertical line in column x from line y0 to line y1 inclusive.
  void RuleVertical(int x, int y0, int y1);
  /// The lines, ruled and written, without trailing spaces, each ending with "\n".
  std::string Render() const;

 private:
  enum Link : std::uint8_t { kUp = 1, kDown = 2, kLeft = 4, kRight = 8 };
  bool Inside(int x, int y) const;
  void AddLink(int x, int y, Link link);

  int width_;
  int height_;
  std::vector<std::string> cells_;
  std::vector<std::uint8_t> links_;
};

}  // namespace tarvel
