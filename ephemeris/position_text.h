#pragma once

#include <string>

namespace tarvel {

/// Position text of a longitude in degrees, e.g. 45.5125 gives `15° 30' 45" Tau`: degrees within
/// the sign, the degree sign U+00B0 (UTF-8, two bytes) and a space, arc-minutes, apostrophe and
/// space, arc-seconds, double quote and space, then the sign's three letters from kSignAbbrevs.
/// A negative longitude is written as its magnitude; minutes and seconds are truncated, never
/// rounded. From 360 degrees on the sign abbreviation is empty.
std::string FormatPosition(double longitudeDeg);

}  // namespace tarvel
