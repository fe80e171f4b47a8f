#include "cli/chart/text_canvas.h"

#include <algorithm>
#include <array>

namespace tarvel {

namespace {

// Box-drawing glyphs by the links of a cell: up 1, down 2, left 4, right 8.
constexpr std::array<std::string_view, 16> kLineGlyphs = {
    " ", "│", "│", "│", "─", "┘", "┐", "┤", "─", "└", "┌", "├", "─", "┴", "┬", "┼",
};

bool IsContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

// Cuts a word into pieces no wider than `width`.
std::vector<std::string> CutWord(std::string_view word, int width) {
  std::vector<std::string> pieces(1);
  for (const std::string& codePoint : SplitCodePoints(word)) {
    if (DisplayWidth(pieces.back()) == width) pieces.emplace_back();
    pieces.back() += codePoint;
  }
  return pieces;
}

}  // namespace

std::vector<std::string> SplitCodePoints(std::string_view text) {
  std::vector<std::string> codePoints;
  for (char byte : text) {
    if (codePoints.empty() || !IsContinuationByte(byte)) codePoints.emplace_back();
    codePoints.back() += byte;
  }
  return codePoints;
}

int DisplayWidth(std::string_view text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char byte) { return !IsContinuationByte(byte); }));
}

std::vector<std::string> WrapText(std::string_view text, int width) {
  std::vector<std::string> lines;
  for (const std::string_view word : Words(text)) {
    for (const std::string& piece : CutWord(word, width)) {
      if (!lines.empty() && DisplayWidth(lines.back()) + 1 + DisplayWidth(piece) <= width) {
        lines.back().append(" ").append(piece);
      } else {
        lines.push_back(piece);
      }
    }
  }
  return lines;
}

TextCanvas::TextCanvas(int width, int height)
    : width_(width),
      height_(height),
      cells_(static_cast<std::size_t>(width * height), " "),
      links_(static_cast<std::size_t>(width * height), 0) {}

bool TextCanvas::Inside(int x, int y) const {
  return x >= 0 && x < width_ && y >= 0 && y < height_;
}

void TextCanvas::Put(int x, int y, std::string_view text) {
  for (const std::string& codePoint : SplitCodePoints(text)) {
    if (Inside(x, y)) cells_[static_cast<std::size_t>(y * width_ + x)] = codePoint;
    ++x;
  }
}

void TextCanvas::AddLink(int x, int y, Link link) {
  if (!Inside(x, y)) return;
  std::uint8_t& links = links_[static_cast<std::size_t>(y * width_ + x)];
  links = static_cast<std::uint8_t>(links | link);
  cells_[static_cast<std::size_t>(y * width_ + x)] = kLineGlyphs[links];
}

void TextCanvas::RuleHorizontal(int y, int x0, int x1) {
  for (int x = x0; x <= x1; ++x) {
    if (x > x0) AddLink(x, y, kLeft);
    if (x < x1) AddLink(x, y, kRight);
  }
}

void TextCanvas::RuleVertical(int x, int y0, int y1) {
  for (int y = y0; y <= y1; ++y) {
    if (y > y0) AddLink(x, y, kUp);
    if (y < y1) AddLink(x, y, kDown);
  }
}

std::string TextCanvas::Render() const {
  std::string text;
  for (int y = 0; y < height_; ++y) {
    std::string line;
    for (int x = 0; x < width_; ++x) line += cells_[static_cast<std::size_t>(y * width_ + x)];
    line.erase(line.find_last_not_of(' ') + 1);
    text.append(line).append("\n");
  }
  return text;
}

}  // namespace tarvel
