#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/planets.h"
#include "dasha/dasha_year.h"

namespace tarvel {

/// How deep the periods go: the mahadashas alone, with their antardashas, or with the
/// pratyantardashas of those too.
enum class DashaDepth { Mahadasha = 1, Antardasha = 2, Pratyantardasha = 3 };

/// One period of the Vimshottari dasha: its lord and when it runs.
struct DashaPeriod {
  PlanetIndex lord = SNode;
  std::int64_t startSeconds = 0;  ///< universal time, seconds since 1970-01-01 00:00:00
  std::int64_t endSeconds = 0;    ///< the same scale; the next period's start
  bool operator==(const DashaPeriod&) const = default;
};

/// What remains of the first mahadasha at birth.
struct DashaBalance {
  double days = 0;  ///< before rounding to the second
  /// The same in whole years of the chosen length, whole months of a twelfth of one, and the
  /// whole days left over.
  int years = 0;
  int months = 0;  ///< 0-11
  int wholeDays = 0;
  bool operator==(const DashaBalance&) const = default;
};

/// The Vimshottari periods of a birth, as deep as asked.
struct VimshottariDasha {
  DashaYear year = DashaYear::Sidereal;
  DashaDepth depth = DashaDepth::Mahadasha;
  DashaBalance balance;
  /// Level by level: the nine mahadashas from the one the birth falls in, then their 81
  /// antardashas, then the 729 pratyantardashas, each level in time order and only the levels
  /// asked for. The nine periods dividing period i of a level are periods 9i to 9i+8 of the
  /// next.
  std::vector<DashaPeriod> periods;
  bool operator==(const VimshottariDasha&) const = default;
};

/// The periods of a level, 0 for the mahadashas to 2 for the pratyantardashas; empty for a
/// level not computed.
std::span<const DashaPeriod> DashaLevel(const VimshottariDasha& dasha, std::size_t level);

/// The nine periods dividing period `index` of level `level`; empty when the next level was
/// not computed.
std::span<const DashaPeriod> SubPeriods(const VimshottariDasha& dasha, std::size_t level,
                                        std::size_t index);

/// The Vimshottari dasha of a birth at a universal instant (seconds since 1970-01-01 00:00:00)
/// with the Moon at a sidereal longitude in degrees (Brihat Parashara Hora Shastra, ch. 46):
/// the first mahadasha is the lord of the Moon's nakshatra, begun before the birth by the part
/// of the nakshatra the Moon has crossed; every period divides into nine in the same order
/// from its own lord, each lasting its parent's length × the lord's years ÷ 120. Each boundary
/// is rounded to the nearest second once, so the periods of a level tile without gap or
/// overlap. A chart gives `instant.universalSeconds` and `positions.grahaDeg[Moon]`, which stay
/// the Rasi chart's in a varga.
VimshottariDasha ComputeVimshottari(std::int64_t birthUniversalSeconds, double moonLongitudeDeg,
                                    DashaYear year, DashaDepth depth);

}  // namespace tarvel
