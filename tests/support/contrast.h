#pragma once

#include <algorithm>
#include <cmath>

#include "base/text_style.h"

namespace tarvel::testing {

/// Relative luminance as WCAG 2 defines it, 0 (black) to 1 (white).
inline double Luminance(Rgb colour) {
  const auto linear = [](std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

/// Contrast ratio of two colours as WCAG 2 defines it, 1 to 21.
inline double Contrast(Rgb a, Rgb b) {
  const double lighter = std::max(Luminance(a), Luminance(b));
  const double darker = std::min(Luminance(a), Luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

/// The AA level of WCAG 2 for ordinary text.
inline constexpr double kReadableContrast = 4.5;

}  // namespace tarvel::testing
