#pragma once

#include <optional>
#include <string>

namespace tarvel {

/// The sign a longitude in degrees lies in, 0 (Aries) to 11 (Pisces), as its position text
/// names it: a negative longitude counts by its magnitude, and from 360 degrees on (or for a
/// value that is not a number) there is none.
std::optional<int> SignOfLongitude(double longitudeDeg);

/// Position text of a longitude in degrees, e.g. 45.5125 gives `15° 30' 45" Tau`: degrees within
/// the sign, the degree sign U+00B0 (UTF-8, two bytes) and a space, arc-minutes, apostrophe and
/// space, arc-seconds, double quote and space, then the sign's three letters. A negative
/// longitude is written as its magnitude; minutes and seconds are truncated, never rounded.
/// From 360 degrees on the sign abbreviation is empty.
std::string FormatPosition(double longitudeDeg);

/// The nine-character short position of a longitude, e.g. 5.1175 gives "05 Ari 07": two-digit
/// degrees within the sign, the sign abbreviation and two-digit arc-minutes, truncated as in
/// the position text (the seconds never carry into the minutes).
std::string ShortPosition(double longitudeDeg);

/// Degrees and arc-minutes within the sign, two digits each and truncated as in the position
/// text, e.g. 45.5125 gives "15°30'" (the degree sign U+00B0 in UTF-8).
std::string DegreesInSign(double longitudeDeg);

}  // namespace tarvel
