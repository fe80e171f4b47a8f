#include "dasha/vimshottari.h"

#include <array>
#include <chrono>
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
// Where each level begins in the list of periods: 9 mahadashas, 81 antardashas, 729
// pratyantardashas.
constexpr std::array<std::size_t, 4> kLevelStarts = {0, 9, 90, 819};
constexpr double kMicrosecondsPerDay = 86'400e6;
constexpr std::chrono::microseconds kHalfSecond{500'000};

// Turns parts of a year counted from the first mahadasha's start into universal seconds. The
// years are given to the microday, so a part is a whole number of microseconds and every
// boundary an exact number of them from that start; the start itself, behind the birth by the
// part of the nakshatra the Moon has crossed, is kept to the microsecond.
struct Timeline {
  std::int64_t birthSeconds;
  std::int64_t birthMicroseconds;  // from the first mahadasha's start to the birth
  std::int64_t microsecondsPerPart;

  std::int64_t Seconds(std::int64_t parts) const {
    const std::chrono::microseconds fromBirth(parts * microsecondsPerPart - birthMicroseconds);
    // To the nearest second, a half second up.
    return birthSeconds + std::chrono::floor<std::chrono::seconds>(fromBirth + kHalfSecond).count();
  }
};

// A period to divide: where it starts and how long it lasts in parts, when it starts, and the
// position of its lord in the order.
struct Parent {
  std::int64_t startParts;
  std::int64_t lengthParts;
  std::int64_t startSeconds;
  std::size_t lord;
};

// Writes the nine periods dividing `parent` into `nine`, and, unless `next` is empty, what
// dividing each of them in turn needs.
void Divide(const Timeline& time, const Parent& parent, std::span<DashaPeriod> nine,
            std::span<Parent> next) {
  const std::int64_t partsPerLordYear = parent.lengthParts / kCycleYears;
  std::int64_t startParts = parent.startParts;
  std::int64_t startSeconds = parent.startSeconds;
  std::size_t lord = parent.lord;
  for (std::size_t k = 0; k < kDivisions; ++k) {
    const std::int64_t lengthParts = partsPerLordYear * kVimshottariLords[lord].years;
    const std::int64_t endSeconds = time.Seconds(startParts + lengthParts);
    nine[k] = {kVimshottariLords[lord].planet, startSeconds, endSeconds};
    if (!next.empty()) next[k] = {startParts, lengthParts, startSeconds, lord};
    startParts += lengthParts;
    startSeconds = endSeconds;
    lord = lord + 1 < kDivisions ? lord + 1 : 0;
  }
}

// Fills the periods level by level. They make a tree of nine branches with the whole cycle at
// its root: counting the cycle as 0 and period i as i + 1, the nine dividing parent p are
// periods 9p to 9p + 8.
void DivideCycle(const Timeline& time, const Parent& cycle, std::vector<DashaPeriod>& periods) {
  // Written before each is read.
  std::array<Parent, 1 + kLevelStarts[2]> parents;
  parents[0] = cycle;
  for (std::size_t p = 0; p * kDivisions < periods.size(); ++p) {
    const bool divided = (p * kDivisions + 1) * kDivisions < periods.size();
    Divide(
        time, parents[p], std::span(periods).subspan(p * kDivisions, kDivisions),
        divided ? std::span(parents).subspan(p * kDivisions + 1, kDivisions) : std::span<Parent>());
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

std::span<const DashaPeriod> DashaLevel(const VimshottariDasha& dasha, std::size_t level) {
  if (level >= static_cast<std::size_t>(dasha.depth)) return {};
  return std::span(dasha.periods)
      .subspan(kLevelStarts[level], kLevelStarts[level + 1] - kLevelStarts[level]);
}

std::span<const DashaPeriod> SubPeriods(const VimshottariDasha& dasha, std::size_t level,
                                        std::size_t index) {
  const std::span<const DashaPeriod> next = DashaLevel(dasha, level + 1);
  return next.empty() ? next : next.subspan(index * kDivisions, kDivisions);
}

VimshottariDasha ComputeVimshottari(std::int64_t birthUniversalSeconds, double moonLongitudeDeg,
                                    DashaYear year, DashaDepth depth) {
  const NakshatraPlace moon = NakshatraOf(moonLongitudeDeg);
  const std::size_t firstLord = static_cast<std::size_t>(moon.number - 1) % kDivisions;
  const double firstYears = kVimshottariLords[firstLord].years;
  const double yearDays = DashaYearDays(year);
  VimshottariDasha dasha{year, depth, BalanceOf(firstYears * (1 - moon.traversed), yearDays),
                         std::vector<DashaPeriod>(kLevelStarts[static_cast<std::size_t>(depth)])};
  const std::int64_t microsecondsPerPart =
      std::llround(yearDays * kMicrosecondsPerDay / kPartsPerYear);
  const Timeline time{
      birthUniversalSeconds,
      std::llround(moon.traversed * firstYears * kPartsPerYear * microsecondsPerPart),
      microsecondsPerPart};
  DivideCycle(time, {0, kCycleYears * kPartsPerYear, time.Seconds(0), firstLord}, dasha.periods);
  return dasha;
}

}  // namespace tarvel
