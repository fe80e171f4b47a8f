#pragma once

#include <cstdint>
#include <vector>

#include "argala/argala.h"

namespace tarvel {

/// What a run of the reading says; each run is one line of the reading.
enum class ReadingRunKind {
  PlanetHeading,     ///< the planet's name
  ArgalaLine,        ///< an Argala the planet casts
  VirodhargalaLine,  ///< a Virodhargala the planet makes
  NoArgalaLine,      ///< the planet casts nothing
  BlockEnd,          ///< the empty line after the planet's lines
};

/// One run of the reading: one line, told by what it shows, not by its text.
struct ReadingRun {
  ReadingRunKind kind = ReadingRunKind::PlanetHeading;
  PlanetIndex planet = Sun;  ///< the planet whose block the run belongs to
  std::uint16_t entry = 0;   ///< the entry's index in its list, for the two entry lines
  bool operator==(const ReadingRun&) const = default;
};

using Reading = std::vector<ReadingRun>;

/// The reading: for each planet in index order, its name as a heading, then a line for every
/// Argala and then every Virodhargala it casts, or the no-Argala line, and an empty line.
Reading BuildReading(const ArgalaResult& argala);
/// The same, written over `into` and reusing its room.
void BuildReading(const ArgalaResult& argala, Reading& into);

}  // namespace tarvel
