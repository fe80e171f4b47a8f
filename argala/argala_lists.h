#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "argala/argala_tables.h"
#include "ephemeris/chart_state.h"

namespace tarvel {

/// Per planet: it casts at least one Argala in the chart.
using ArgalaCasterFlags = std::array<bool, kPlanetCount>;

/// The Argala entries of a chart and which planets cast them.
struct ArgalaCasting {
  std::vector<std::string> ArgalaList;
  ArgalaCasterFlags ArgalaCaster{};
};

/// True for the malefic group, decided by name alone: Sun, Saturn, Mars and both nodes.
bool IsMalefic(std::string_view planetName);

/// The label of an Argala, from "/" to " on ", by the caster's nature and the position kind.
std::string_view ArgalaLabel(bool maleficCaster, bool primaryPosition);

/// The label of a Virodhargala by the obstructing planet's nature and the recipient's house
/// (1-12; anything else counts as an ordinary house).
std::string_view VirodhargalaLabel(bool maleficObstructor, int recipientHouse);

/// Every Argala of the chart, ordered by recipient, then position (2nd, 4th, 11th, 5th, 8th),
/// then caster; entries read caster, label, recipient and " (House n)".
ArgalaCasting BuildArgalaList(const PlanetTable& planetNames, const ArgalaTables& tables);

/// BuildArgalaList written into `list`, over the strings it already holds so that their room
/// is used again; returns which planets cast an Argala.
ArgalaCasterFlags FillArgalaList(const PlanetTable& planetNames, const ArgalaTables& tables,
                                 std::vector<std::string>& list);

/// Every Virodhargala of the chart, ordered by recipient, then position (3rd, 10th, 12th, 9th),
/// then obstructing planet. Only planets that cast some Argala obstruct.
std::vector<std::string> BuildVirodhargalaList(const PlanetTable& planetNames,
                                               const ArgalaTables& tables,
                                               const ArgalaCasterFlags& argalaCaster);

/// BuildVirodhargalaList written into `list`, over the strings it already holds.
void FillVirodhargalaList(const PlanetTable& planetNames, const ArgalaTables& tables,
                          const ArgalaCasterFlags& argalaCaster, std::vector<std::string>& list);

}  // namespace tarvel
