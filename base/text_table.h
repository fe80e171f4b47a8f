#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

/// Texts made once and kept in one string, found by their number in the order they were added:
/// Add them all, Seal, then look them up. For texts put together from pieces that are written
/// thousands of times, where one copy of the whole costs less than a copy of each piece.
class TextTable {
 public:
  /// Adds a text made of the pieces, one after the other.
  template <typename... Pieces>
  void Add(const Pieces&... pieces) {
    starts_.push_back(texts_.size());
    (texts_.append(std::string_view(pieces)), ...);
  }
  void Seal();
  std::string_view operator[](std::size_t index) const { return views_[index]; }

 private:
  std::string texts_;
  std::vector<std::size_t> starts_;
  std::vector<std::string_view> views_;
};

}  // namespace tarvel
