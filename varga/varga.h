#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvel {

/// Which of a sign's traits picks the sign a varga's parts start counting from.
enum class VargaGroup {
  Any,       ///< every sign alike
  OddEven,   ///< odd signs (Aries, Gemini, ...) then even signs
  Element,   ///< fire, earth, air, water (Aries, Taurus, Gemini, Cancer, ...)
  Modality,  ///< movable, fixed, dual (Aries, Taurus, Gemini, ...)
};

/// One part of a sign divided unequally: its width in degrees and the sign (0 = Aries) it
/// gives.
struct VargaPart {
  int widthDeg = 0;
  int sign = 0;
};

/// How one divisional chart maps a sign's degrees to signs. The sign is cut into `factor`
/// equal parts; part p (0 first) gives the sign p·step signs on from a start, which the
/// sign's group chooses: counted on from the sign itself, or a fixed sign (0 = Aries). A
/// varga of unequal parts lists them instead, for odd and for even signs.
struct VargaRule {
  int factor = 1;  ///< parts per sign, 1-60
  std::string_view name{};
  VargaGroup group = VargaGroup::Any;
  bool fromOwnSign = true;      ///< starts count signs on from the sign itself
  std::array<int, 4> starts{};  ///< by group member: signs on, or a sign when not fromOwnSign
  int step = 1;                 ///< signs between one part's sign and the next
  std::span<const VargaPart> oddParts{};   ///< unequal parts of odd signs, when not empty
  std::span<const VargaPart> evenParts{};  ///< unequal parts of even signs
};

/// The sixteen divisional charts of Parashara, by their place in kVargaRules.
enum class Varga { D1, D2, D3, D4, D7, D9, D10, D12, D16, D20, D24, D27, D30, D40, D45, D60 };
inline constexpr int kVargaCount = 16;

// Hora's halves and the Trimsamsa's five parts of each sign (Brihat Parashara Hora Shastra,
// ch. 6-7): the Sun's Leo and the Moon's Cancer, and the five planets' degrees.
inline constexpr std::array<VargaPart, 2> kHoraOddParts = {{{15, 4}, {15, 3}}};
inline constexpr std::array<VargaPart, 2> kHoraEvenParts = {{{15, 3}, {15, 4}}};
inline constexpr std::array<VargaPart, 5> kTrimsamsaOddParts = {
    {{5, 0}, {5, 10}, {8, 8}, {7, 2}, {5, 6}}};
inline constexpr std::array<VargaPart, 5> kTrimsamsaEvenParts = {
    {{5, 1}, {7, 5}, {8, 11}, {5, 9}, {5, 7}}};

/// The rules of the sixteen vargas in Varga order (Brihat Parashara Hora Shastra, ch. 6-7):
/// what computes them, names them and lists them for a user to choose.
inline constexpr std::array<VargaRule, kVargaCount> kVargaRules = {{
    {.factor = 1, .name = "Rasi"},
    {.factor = 2, .name = "Hora", .oddParts = kHoraOddParts, .evenParts = kHoraEvenParts},
    {.factor = 3, .name = "Drekkana", .step = 4},
    {.factor = 4, .name = "Chaturthamsa", .step = 3},
    {.factor = 7, .name = "Saptamsa", .group = VargaGroup::OddEven, .starts = {0, 6}},
    {.factor = 9,
     .name = "Navamsa",
     .group = VargaGroup::Element,
     .fromOwnSign = false,
     .starts = {0, 9, 6, 3}},
    {.factor = 10, .name = "Dasamsa", .group = VargaGroup::OddEven, .starts = {0, 8}},
    {.factor = 12, .name = "Dwadasamsa"},
    {.factor = 16,
     .name = "Shodasamsa",
     .group = VargaGroup::Modality,
     .fromOwnSign = false,
     .starts = {0, 4, 8}},
    {.factor = 20,
     .name = "Vimsamsa",
     .group = VargaGroup::Modality,
     .fromOwnSign = false,
     .starts = {0, 8, 4}},
    {.factor = 24,
     .name = "Chaturvimsamsa",
     .group = VargaGroup::OddEven,
     .fromOwnSign = false,
     .starts = {4, 3}},
    {.factor = 27,
     .name = "Saptavimsamsa",
     .group = VargaGroup::Element,
     .fromOwnSign = false,
     .starts = {0, 3, 6, 9}},
    {.factor = 30,
     .name = "Trimsamsa",
     .oddParts = kTrimsamsaOddParts,
     .evenParts = kTrimsamsaEvenParts},
    {.factor = 40,
     .name = "Khavedamsa",
     .group = VargaGroup::OddEven,
     .fromOwnSign = false,
     .starts = {0, 6}},
    {.factor = 45,
     .name = "Akshavedamsa",
     .group = VargaGroup::Modality,
     .fromOwnSign = false,
     .starts = {0, 4, 8}},
    {.factor = 60, .name = "Shashtiamsa"},
}};

/// The rule of a varga.
constexpr const VargaRule& RuleOf(Varga varga) {
  return kVargaRules[static_cast<std::size_t>(varga)];
}

/// The varga of `factor` parts per sign (1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 30, 40,
/// 45 or 60); none for any other number.
std::optional<Varga> VargaOfFactor(int factor);

/// The factors of every varga, in order, separated by a comma and a space: "1, 2, 3, ...".
std::string VargaFactorsText();

/// The label a menu or a chart's header shows for a varga: "D" and its factor, then its name,
/// e.g. "D9 Navamsa".
std::string VargaLabel(Varga varga);

/// The sign (0 = Aries) a sidereal longitude in degrees stands in, in the varga. A negative
/// longitude counts by its magnitude; from 360 degrees on (or for a value that is not a
/// number) there is none, as for the longitude's own sign.
std::optional<int> VargaSign(double longitudeDeg, Varga varga);

}  // namespace tarvel
