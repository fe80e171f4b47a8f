#include "dasha/vimshottari.h"

#include <cmath>

#include "dasha/nakshatra.h"

namespace tarvel {
namespace {

constexpr std::int64_t kCycleYears = 120;
constexpr std::size_t kDivisions = kVimshottariLords.size();
// A period lasts its parent's length × the lord's years ÷ 120, so every boundary down to the
// pratyantardashas falls on a whole number of these parts of a year, and boundaries shared by
// the levels are the same number before they are rounded.
constexpr std::int64_t kPartsPerYear = kCycleYears * kCycleYears;
constexpr double kSecondsPerDay = 86400;

// Turns parts of a year counted from the first mahadasha's start into universal seconds.
struct Timeline {
  std::int64_t birthSeconds;
  double birthParts;  // from the first mahadasha's start to the birth
  double secondsPerPart;

  std::int64_t Seconds(std::int64_t parts) const {
    return birthSeconds + std::llround((static_cast<double>(parts) - birthParts) * secondsPerPart);
  }
};

// A period to divide: where it starts and how long it lasts in parts, and the position of its
// lord in the order.
struct Parent {
  std::int64_t startParts;
  std::int64_t lengthParts;
  std::size_t lord;
};

// Writes the nine periods dividing `parent` into `level` from `at`, then divides each of them
// while the depth asks for more.
void Divide(const Timeline& time, const Parent& parent, std::size_t level, std::size_t at,
            VimshottariDasha& dasha) {
  std::int64_t startParts = parent.startParts;
  std::int64_t startSeconds = time.Seconds(startParts);
  for (std::size_t k = 0; k < kDivisions; ++k) {
    const std::size_t lord = (parent.lord + k) % kDivisions;
    const std::int64_t lengthParts =
        parent.lengthParts * kVimshottariLords[lord].years / kCycleYears;
    const std::int64_t endSeconds = time.Seconds(startParts + lengthParts);
    dasha.levels[level][at + k] = {kVimshottariLords[lord].planet, startSeconds, endSeconds};
    if (level + 1 < dasha.levels.size() && !dasha.levels[level + 1].empty()) {
      Divide(time, {startParts, lengthParts, lord}, level + 1, (at + k) * kDivisions, dasha);
    }
    startParts += lengthParts;
    startSeconds = endSeconds;
  }
}

// Whole years, months of a twelfth of a year and days in a number of years.
DashaBalance BalanceOf(double years, double yearDays) {
  DashaBalance balance{years * yearDays};
  balance.years = static_cast<int>(years);
  const double months = (years - balance.years) * 12;
  balance.months = static_cast<int>(months);
  balance.wholeDays = static_cast<int>((months - balance.months) * yearDays / 12);
  return balance;
}

}  // namespace

std::span<const DashaPeriod> SubPeriods(const VimshottariDasha& dasha, std::size_t level,
                                        std::size_t index) {
  if (level + 1 >= dasha.levels.size() || dasha.levels[level + 1].empty()) return {};
  return std::span(dasha.levels[level + 1]).subspan(index * kDivisions, kDivisions);
}

VimshottariDasha ComputeVimshottari(std::int64_t birthUniversalSeconds, double moonLongitudeDeg,
                                    DashaYear year, DashaDepth depth) {
  const NakshatraPlace moon = NakshatraOf(moonLongitudeDeg);
  const std::size_t firstLord = static_cast<std::size_t>(moon.number - 1) % kDivisions;
  const double firstYears = kVimshottariLords[firstLord].years;
  const double yearDays = DashaYearDays(year);
  VimshottariDasha dasha{year, BalanceOf(firstYears * (1 - moon.traversed), yearDays), {}};
  std::size_t count = kDivisions;
  for (std::size_t level = 0; level < static_cast<std::size_t>(depth); ++level) {
    dasha.levels[level].resize(count);
    count *= kDivisions;
  }
  const Timeline time{birthUniversalSeconds, moon.traversed * firstYears * kPartsPerYear,
                      yearDays * kSecondsPerDay / kPartsPerYear};
  Divide(time, {0, kCycleYears * kPartsPerYear, firstLord}, 0, 0, dasha);
  return dasha;
}

}  // namespace tarvel
