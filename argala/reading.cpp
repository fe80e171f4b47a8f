#include "argala/reading.h"

#include <algorithm>
#include <array>

namespace tarvel {

namespace {

// The entries of a list grouped by caster, each group in list order: entry indices, and where
// each caster's group starts (its end is the next caster's start).
struct ByCaster {
  std::array<std::uint16_t, kPlanetCount*(kPlanetCount - 1)> entries{};
  std::array<std::uint16_t, kPlanetCount + 1> start{};
};

ByCaster GroupByCaster(const std::vector<ArgalaEntry>& list) {
  ByCaster groups;
  for (const ArgalaEntry& entry : list) ++groups.start[entry.caster + 1];
  for (int p = 0; p < kPlanetCount; ++p) groups.start[p + 1] += groups.start[p];
  std::array<std::uint16_t, kPlanetCount> next{};
  std::copy_n(groups.start.begin(), kPlanetCount, next.begin());
  for (std::size_t i = 0; i < list.size(); ++i) {
    groups.entries[next[list[i].caster]++] = static_cast<std::uint16_t>(i);
  }
  return groups;
}

// A run is written field by field where it stands, not built aside and copied in (which
// stores it in pieces and reads it back whole, a stall on every run).
void AddRun(Reading& reading, ReadingRunKind kind, PlanetIndex planet, std::uint16_t entry) {
  ReadingRun& run = reading.emplace_back();
  run.kind = kind;
  run.planet = planet;
  run.entry = entry;
}

// Adds a line for every entry of a group; true when there was one.
bool AddLines(const ByCaster& groups, PlanetIndex planet, ReadingRunKind kind, Reading& reading) {
  for (int i = groups.start[planet]; i < groups.start[planet + 1]; ++i) {
    AddRun(reading, kind, planet, groups.entries[i]);
  }
  return groups.start[planet] != groups.start[planet + 1];
}

}  // namespace

Reading BuildReading(const ArgalaResult& argala) {
  Reading reading;
  BuildReading(argala, reading);
  return reading;
}

void BuildReading(const ArgalaResult& argala, Reading& reading) {
  const ByCaster argalaByCaster = GroupByCaster(argala.argala);
  const ByCaster virodhargalaByCaster = GroupByCaster(argala.virodhargala);
  reading.clear();
  // A heading and a block end per planet, and at most one line per entry or planet.
  reading.reserve(3 * kPlanetCount + argala.argala.size() + argala.virodhargala.size());
  for (int p = 0; p < kPlanetCount; ++p) {
    const auto planet = static_cast<PlanetIndex>(p);
    AddRun(reading, ReadingRunKind::PlanetHeading, planet, 0);
    const bool casts = AddLines(argalaByCaster, planet, ReadingRunKind::ArgalaLine, reading);
    const bool obstructs =
        AddLines(virodhargalaByCaster, planet, ReadingRunKind::VirodhargalaLine, reading);
    if (!casts && !obstructs) AddRun(reading, ReadingRunKind::NoArgalaLine, planet, 0);
    AddRun(reading, ReadingRunKind::BlockEnd, planet, 0);
  }
}

}  // namespace tarvel
