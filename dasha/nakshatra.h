#pragma once

#include <array>
#include <string_view>

#include "base/planets.h"
#include "positions/sky.h"

namespace tarvel {

/// The nakshatras in the zodiac.
inline constexpr int kNakshatraCount = 27;

/// The lunar mansions of 800′ (13°20′) each from 0° sidereal Aries (Surya Siddhanta, ch. 2), by
/// number less one.
inline constexpr std::array<std::string_view, kNakshatraCount> kNakshatraNames = {
    "Ashwini",
    "Bharani",
    "Krittika",
    "Rohini",
    "Mrigashira",
    "Ardra",
    "Punarvasu",
    "Pushya",
    "Ashlesha",
    "Magha",
    "Purva Phalguni",
    "Uttara Phalguni",
    "Hasta",
    "Chitra",
    "Swati",
    "Vishakha",
    "Anuradha",
    "Jyeshtha",
    "Mula",
    "Purva Ashadha",
    "Uttara Ashadha",
    "Shravana",
    "Dhanishta",
    "Shatabhisha",
    "Purva Bhadrapada",
    "Uttara Bhadrapada",
    "Revati"};

/// A lord of the Vimshottari dasha and the years its mahadasha lasts.
struct VimshottariLord {
  PlanetIndex planet;
  int years;
};

/// The Vimshottari lords in the order their periods run, from Ashwini's, 120 years in all
/// (Brihat Parashara Hora Shastra, ch. 46). The nakshatras take them in turn, three rounds over
/// the 27.
inline constexpr std::array<VimshottariLord, kPlanetCount> kVimshottariLords = {{
    {SNode, 7},
    {Venus, 20},
    {Sun, 6},
    {Moon, 10},
    {Mars, 7},
    {NNode, 18},
    {Jupiter, 16},
    {Saturn, 19},
    {Mercury, 17},
}};

/// Where a longitude stands among the nakshatras.
struct NakshatraPlace {
  int number = 1;            ///< 1 (Ashwini) to 27 (Revati)
  int pada = 1;              ///< the quarter of 3°20′, 1 to 4
  PlanetIndex lord = SNode;  ///< its Vimshottari lord
  double traversed = 0;      ///< the part of the nakshatra behind the longitude, 0 to below 1
  bool operator==(const NakshatraPlace&) const = default;
};

/// The nakshatra of a sidereal longitude in degrees, any number of turns either way (360° is
/// 0°). A longitude on an edge (the double nearest a multiple of 3°20′) belongs to the
/// nakshatra and pada that begin there.
NakshatraPlace NakshatraOf(double longitudeDeg);

/// The name of a nakshatra, 1 (Ashwini) to 27 (Revati).
std::string_view NakshatraName(int number);

/// The nakshatras of the ascendant and the nine grahas of a chart.
struct ChartNakshatras {
  NakshatraPlace ascendant;
  std::array<NakshatraPlace, kPlanetCount> grahas;  ///< by PlanetIndex
  bool operator==(const ChartNakshatras&) const = default;
};

/// The nakshatras of a chart's sidereal places, whichever varga it shows.
ChartNakshatras NakshatrasOf(const SkyPositions& positions);

}  // namespace tarvel
