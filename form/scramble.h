#pragma once

#include <string>
#include <string_view>

namespace tarvel {

/// Shifts each byte (8-bit code 0-255) up by 85, keeping their order. A byte above 170 would
/// pass 255 and is dropped, so every byte of the result is at least 85 and never a line break.
std::string ScrambleText(std::string_view text);

/// Shifts each byte down by 85, keeping their order; a byte below 85 is dropped. Undoes
/// ScrambleText exactly for every text whose bytes are all at most 170.
std::string UnscrambleText(std::string_view text);

}  // namespace tarvel
