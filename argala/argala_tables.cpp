#include "argala/argala_tables.h"

#include "argala/signs.h"

namespace tarvel {

namespace {

template <std::size_t N>
std::array<std::string_view, N> SignsAtPositions(const SignTable& counted,
                                                 const std::array<int, N>& positionNumbers) {
  std::array<std::string_view, N> signs;
  for (std::size_t i = 0; i < N; ++i) {
    // A position counts the planet's own sign as the 1st.
    signs[i] = counted[static_cast<std::size_t>(positionNumbers[i] - 1)];
  }
  return signs;
}

// The twelve signs from `sign` on, each `step` (1-11) signs after the one before.
SignTable SignsFrom(int sign, int step) {
  SignTable signs;
  int at = SignAfter(sign, 0);
  for (int n = 0; n < kSignCount; ++n) {
    signs[n] = SignAbbrev(at);
    at += step;
    if (at >= kSignCount) at -= kSignCount;
  }
  return signs;
}

std::string HouseOf(std::string_view signAbbrev, const SignTable& houseSigns) {
  for (std::size_t n = 0; n < houseSigns.size(); ++n) {
    if (houseSigns[n] == signAbbrev) return std::to_string(n + 1);
  }
  return {};
}

}  // namespace

SignTable BuildHouseSigns(int ascendantSign) {
  return SignsFrom(ascendantSign, 1);
}

SignTable CountedSigns(PlanetIndex planet, int sign) {
  // Counting backward one sign is counting forward eleven.
  return SignsFrom(sign, planet == SNode ? kSignCount - 1 : 1);
}

ArgalaTables BuildArgalaTables(std::optional<int> ascendantSign, const PlanetTable& planetSigns) {
  ArgalaTables tables;
  tables.HouseSigns = BuildHouseSigns(ascendantSign.value_or(0));
  for (int p = 0; p < kPlanetCount; ++p) {
    const std::string_view abbrev = ShortPositionSign(planetSigns[p]);
    tables.PlanetSignAbbrevs[p] = abbrev;
    tables.PlanetHouses[p] = HouseOf(abbrev, tables.HouseSigns);
    const SignTable counted =
        CountedSigns(static_cast<PlanetIndex>(p), FindSign(abbrev).value_or(0));
    tables.ArgalaPositions[p] = SignsAtPositions(counted, kArgalaPositionNumbers);
    tables.ObstructionPositions[p] = SignsAtPositions(counted, kObstructionPositionNumbers);
  }
  return tables;
}

}  // namespace tarvel
