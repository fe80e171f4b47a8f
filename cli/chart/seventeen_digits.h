#pragma once

namespace tarvel::cli {

/// The longest text WriteSeventeenDigits writes.
inline constexpr int kSeventeenDigitsMaxBytes = 32;

/// Writes `value` as printf's "%.17g" does, at `to` (room for kSeventeenDigitsMaxBytes);
/// returns the end of the text. Bytes past the end may be overwritten within the room.
char* WriteSeventeenDigits(double value, char* to);

}  // namespace tarvel::cli
