#pragma once

#include <string>
#include <string_view>

namespace tarvel {

/// The nine-character short form of a position text, e.g. `5° 7' 3" Ari` gives "05 Ari 07":
/// two-digit degrees within the sign, the sign abbreviation and two-digit arc-minutes. The
/// seconds are dropped without carrying into the minutes.
std::string ShortPosition(std::string_view positionText);

}  // namespace tarvel
