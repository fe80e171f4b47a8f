#include "document/lord_argala.h"

namespace tarvel {
namespace {

bool Holds(PlanetSet planets, PlanetIndex planet) {
  return (planets & (1u << planet)) != 0;
}

// Adds the entries of one recipient in which the lord casts or obstructs.
void AddEntries(const RecipientSummary& received, ArgalaRecipient recipient, PlanetIndex lord,
                LordArgala& into) {
  for (const SummaryEntry& entry : received.Entries()) {
    if (Holds(entry.casters, lord)) into.casts.push_back({recipient, entry});
    if (Holds(entry.obstructers, lord)) into.obstructs.push_back({recipient, entry});
  }
}

}  // namespace

LordArgala ArgalaOfLord(const ArgalaSummary& summary, PlanetIndex lord) {
  LordArgala argala;
  for (int planet = 0; planet < kPlanetCount; ++planet) {
    AddEntries(summary.planets[planet], {ArgalaRecipient::Kind::Planet, planet}, lord, argala);
  }
  for (int house = 1; house <= kSignCount; ++house) {
    AddEntries(summary.houses[house - 1], {ArgalaRecipient::Kind::House, house}, lord, argala);
  }
  return argala;
}

}  // namespace tarvel
