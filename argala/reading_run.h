#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvel {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

/// One run of the reading: text appended with one colour and two independent emphases.
struct ReadingRun {
  std::string text;  ///< UTF-8; line breaks are CR LF
  Rgb colour;
  bool heading = false;  ///< heading emphasis (planet names)
  bool line = false;     ///< line emphasis (reading lines)
  bool operator==(const ReadingRun&) const = default;
};

using Reading = std::vector<ReadingRun>;

}  // namespace tarvel
