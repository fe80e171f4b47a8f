#include "cli/chart/seventeen_digits.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "base/digit_pairs.h"

namespace tarvel::cli {
namespace {

__extension__ using Wide = unsigned __int128;

constexpr int kDigits = 17;
constexpr int kMantissaBits = 52;
constexpr std::uint64_t kTenToThe16 = 10'000'000'000'000'000;

// The decimal exponents the exact path covers: the chart's longitudes and corrections. Each
// bound as a double lies above its decimal value, so comparing with it finds the exponent.
constexpr std::array<double, 6> kLowerBounds = {100, 10, 1, 0.1, 0.01, 0.001};
constexpr int kHighestExponent = 2;

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

// The 17 significant digits of `magnitude` (in [0.001, 1000)) as a whole number, rounded as
// printf rounds the exact binary value: to nearest, ties to even. `exponent` is the power of
// ten of the first digit and moves up when the rounding carries into a new digit.
std::uint64_t SignificantDigits(double magnitude, int& exponent) {
  // A normal double is (2^52 + its stored mantissa) * 2^(stored exponent - 1075).
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const std::uint64_t mantissa =
      (bits & ((std::uint64_t{1} << kMantissaBits) - 1)) | (std::uint64_t{1} << kMantissaBits);
  const int shift = 1075 - static_cast<int>(bits >> kMantissaBits);  // 43 to 62 in this range
  const Wide scaled =
      Wide{mantissa} * kPowersOfTen[static_cast<std::size_t>(kDigits - 1 - exponent)];
  auto digits = static_cast<std::uint64_t>(scaled >> shift);
  const Wide rest = scaled & ((Wide{1} << shift) - 1);
  const Wide half = Wide{1} << (shift - 1);
  if (rest > half || (rest == half && (digits & 1) != 0)) ++digits;
  if (digits == 10 * kTenToThe16) {
    digits = kTenToThe16;
    ++exponent;
  }
  return digits;
}

// Writes the eight digits of `value` (below 10^8, zeros in front): two halves of four digits,
// each two pairs, so that no step waits on the one before.
void WriteEightDigits(std::uint32_t value, char* to) {
  const std::uint32_t high = value / 10'000;
  const std::uint32_t low = value % 10'000;
  to = WriteDigitPair(to, high / 100);
  to = WriteDigitPair(to, high % 100);
  to = WriteDigitPair(to, low / 100);
  WriteDigitPair(to, low % 100);
}

// Fixed notation, as %g writes it for these exponents: no trailing zeros, no bare point.
// `digits` has 17 digits exactly, written as one and two times eight in 32-bit arithmetic. The
// digits are copied in blocks of fixed size, which may run past the end: the room is
// kSeventeenDigitsMaxBytes, and the bytes past the end are not part of the text.
char* WriteFixed(std::uint64_t digits, int exponent, char* to) {
  // At most 16 digits follow the point; copying 16 from the third digit reads three past them.
  constexpr std::size_t kAfterPoint = 16;
  char text[kDigits + 3] = {};
  constexpr std::uint64_t kTenToThe8 = 100'000'000;
  const std::uint64_t high = digits / kTenToThe8;  // nine digits: one, then eight
  text[0] = static_cast<char>('0' + high / kTenToThe8);
  WriteEightDigits(static_cast<std::uint32_t>(high % kTenToThe8), text + 1);
  WriteEightDigits(static_cast<std::uint32_t>(digits % kTenToThe8), text + 1 + 8);
  int used = kDigits;
  while (used > 1 && text[used - 1] == '0') --used;
  const int whole = exponent + 1;  // -2 to 3
  if (whole <= 0) {
    std::memcpy(to, "0.00", 4);
    to += 2 - whole;
    std::memcpy(to, text, kDigits);
    return to + used;
  }
  std::memcpy(to, text, 3);
  to += whole;
  if (used <= whole) return to;
  *to++ = '.';
  std::memcpy(to, text + whole, kAfterPoint);
  return to + (used - whole);
}

}  // namespace

char* WriteSeventeenDigits(double value, char* to) {
  const double magnitude = std::fabs(value);
  int exponent = kHighestExponent;
  for (const double bound : kLowerBounds) {
    if (magnitude >= bound && magnitude < 1000) {
      if (value < 0) *to++ = '-';
      const std::uint64_t digits = SignificantDigits(magnitude, exponent);
      return WriteFixed(digits, exponent, to);
    }
    --exponent;
  }
  // Anything else, rare in a chart, takes the library's general path.
  return std::to_chars(to, to + kSeventeenDigitsMaxBytes, value, std::chars_format::general,
                       kDigits)
      .ptr;
}

}  // namespace tarvel::cli
