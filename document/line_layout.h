#pragma once

#include <cstddef>
#include <vector>

namespace tarvel {

/// A run of items that share one line: items `first` to `end`, `end` excluded.
struct LineSpan {
  std::size_t first = 0;
  std::size_t end = 0;
  bool operator==(const LineSpan&) const = default;
};

/// `count` items in lines, each line holding as many as `fits(span)` allows and at least one,
/// so that an item too wide for any line stands alone. No lines for no items.
template <typename Fits>
std::vector<LineSpan> FillLines(std::size_t count, Fits fits) {
  std::vector<LineSpan> lines;
  for (std::size_t end = 1; end <= count; ++end) {
    if (!lines.empty() && fits(LineSpan{lines.back().first, end})) {
      lines.back().end = end;
    } else {
      lines.push_back({end - 1, end});
    }
  }
  return lines;
}

}  // namespace tarvel
