#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "argala/argala.h"

namespace tarvel {

/// Primary Argala comes from the 2nd, 4th and 11th, secondary from the 5th and 8th, and
/// Vipareeta from three or more malefics in the 3rd.
enum class SummaryKind : std::uint8_t { Primary, Secondary, Vipareeta };

/// Whether an Argala stands, by number alone: no obstructer, more casters, as many, or more
/// obstructers.
enum class SummaryVerdict : std::uint8_t { Unobstructed, Prevails, Balanced, Obstructed };

/// The net judgement of the planets in one Argala position of a recipient.
struct SummaryEntry {
  std::uint8_t position = 0;  ///< 2, 4, 11, 5, 8, or 3 for Vipareeta; 0 in an unused slot
  SummaryKind kind = SummaryKind::Primary;
  SummaryVerdict verdict = SummaryVerdict::Unobstructed;
  PlanetSet casters = 0;      ///< never empty
  PlanetSet obstructers = 0;  ///< the planets of the paired position that obstruct
  bool operator==(const SummaryEntry&) const = default;
};

/// The position that obstructs an Argala position: 12 for the 2nd, 10 for the 4th, 3 for the
/// 11th, 9 for the 5th; 0 where nothing obstructs (the 8th and Vipareeta from the 3rd).
int ObstructingPosition(int position);

/// Every Argala a recipient (a planet or a house) receives, in the order 2, 4, 11, 5, 8, 3.
class RecipientSummary {
 public:
  static constexpr std::size_t kMaxEntries = 6;
  std::span<const SummaryEntry> Entries() const { return {entries_.data(), count_}; }
  void Add(const SummaryEntry& entry) { entries_[count_++] = entry; }
  bool operator==(const RecipientSummary&) const = default;

 private:
  std::array<SummaryEntry, kMaxEntries> entries_{};
  std::uint8_t count_ = 0;
};

/// The Argala synthesis of a chart: which interventions stand and which are obstructed, on
/// each planet and on each house (Brihat Parashara Hora Shastra, ch. 31). Only the number of
/// planets is weighed, not their strength.
struct ArgalaSummary {
  std::array<RecipientSummary, kPlanetCount> planets;  ///< by planet index
  std::array<RecipientSummary, kSignCount> houses;     ///< houses 1 to 12
  bool operator==(const ArgalaSummary&) const = default;
};

/// The sign of a house, 1 to 12, counted from the ascendant's sign, or from Aries when it is
/// unknown (as the houses of the planets are).
int HouseSign(const ChartSigns& signs, int house);

/// The house (1 to 12) whose entries a planet counting forward receives: the house of its
/// sign, or of Aries when its sign is unknown.
int HouseOfPlanetSummary(const ChartSigns& signs, PlanetIndex planet);

/// The synthesis of a chart's signs. Planets count their positions as the lists do (the S Node
/// backward, a planet of unknown sign from Aries); houses count forward from their sign. Every
/// planet in the paired position obstructs, except that three or more malefics in the 3rd
/// give Vipareeta Argala and do not obstruct the 11th.
ArgalaSummary SummariseArgala(const ChartSigns& signs);

}  // namespace tarvel
