#pragma once

#include <cstdint>

namespace tarvel::testing {

/// A small deterministic generator (a 64-bit LCG): the same numbers on every platform and
/// standard library, so a seed names one generated case everywhere.
class Lcg {
 public:
  explicit Lcg(std::uint64_t seed) : state_(seed) {}
  /// A number from `low` to `high`, both included.
  int Between(int low, int high) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return low + static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(high - low + 1));
  }

 private:
  std::uint64_t state_;
};

}  // namespace tarvel::testing
