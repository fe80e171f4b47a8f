#pragma once

#include <cstdint>

namespace tarvel {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

/// How a run of text is shown: one colour and two independent emphases, which a renderer
/// shows as it can (the window: bold and underlined).
struct TextStyle {
  Rgb colour;
  bool heading = false;  ///< heading emphasis
  bool line = false;     ///< line emphasis
  bool operator==(const TextStyle&) const = default;
};

}  // namespace tarvel
