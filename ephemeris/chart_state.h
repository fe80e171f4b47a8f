#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "argala/reading_run.h"
#include "positions/time_zones.h"

namespace tarvel {

/// A 16-bit Boolean as the chart state keeps it: true is -1 (all bits set), false is 0.
/// Readers test for non-zero.
using Flag16 = std::int16_t;
inline constexpr Flag16 kTrue = -1;
inline constexpr Flag16 kFalse = 0;

inline constexpr Flag16 ToFlag16(bool value) {
  return value ? kTrue : kFalse;
}

/// Degrees to radians, as the literal the formulas were tuned with.
inline constexpr double kDegToRad = 0.0174532925199433;

/// The twelve sidereal signs, three letters each, Aries first.
inline constexpr std::string_view kSignAbbrevs = "AriTauGemCanLeoVirLibScoSagCapAquPis";
inline constexpr int kSignCount = 12;

/// The birth-data record: the only input of the calculation chain. The record carries no
/// sign for the zone offset or the coordinates; IsEast and IsSouth give the directions.
struct BirthData {
  std::string BirthName;         ///< as typed, untrimmed
  std::int16_t BirthMonth = 0;   ///< 1-12
  std::int16_t BirthDay = 0;     ///< 1-31 as the form offers
  std::int16_t BirthYear = 0;    ///< 1900-2050 as the form offers
  std::int16_t BirthHour = 0;    ///< local clock hour, 0-23
  std::int16_t BirthMinute = 0;  ///< local clock minute, 0-59
  std::int16_t ZoneHours = 0;    ///< magnitude of the zone offset, hours
  std::int16_t ZoneMinutes = 0;  ///< magnitude of the zone offset, minutes
  std::int16_t LonDeg = 0;       ///< magnitude of the longitude, degrees
  std::int16_t LonMin = 0;       ///< arc-minutes of longitude
  std::int16_t LatDeg = 0;       ///< magnitude of the latitude, degrees
  std::int16_t LatMin = 0;       ///< arc-minutes of latitude
  Flag16 IsEast = kFalse;        ///< longitude lies East of Greenwich
  Flag16 IsSouth = kFalse;       ///< latitude lies South of the equator
  Flag16 IsDST = kFalse;         ///< daylight-saving time was in force
  std::string BirthCity;         ///< trimmed
  std::string BirthState;        ///< trimmed
  std::string BirthCountry;      ///< trimmed

  bool operator==(const BirthData&) const = default;
};

/// The planet numbering that every per-planet table and every ordered output follows.
enum PlanetIndex : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, NNode, SNode };
inline constexpr int kPlanetCount = 9;

/// Per-planet tables have ten slots; slot 9 is never written.
using PlanetTable = std::array<std::string, kPlanetCount + 1>;

/// Everything one calculation run reads and writes. Each run overwrites what it writes and
/// resets nothing, so a state that is not refilled computes from what the last run left.
/// Position texts are UTF-8 (the degree sign is two bytes).
struct ChartState {
  tarvel::BirthData BirthData;
  TimeZoneTables TimeZones;

  std::string SignAbbrevs;
  double DegToRad = 0;

  std::string AscendantPosition;  ///< position text of the sidereal ascendant
  std::string MoonPosition;       ///< position text of the Moon's sidereal longitude
  double ChartCorrection = 0;     ///< the chart's sidereal correction, degrees (negative)

  PlanetTable PlanetNames;
  PlanetTable GrahaNames;
  PlanetTable PlanetSigns;  ///< short position texts, e.g. "16 Sag 31"

  /// Results of the last Argala evaluation.
  std::array<std::string, kPlanetCount> PlanetHouses;
  std::array<std::string, kSignCount> SignContents;
  std::vector<std::string> ArgalaList;
  std::vector<std::string> VirodhargalaList;
  /// The reading of the last run, rewritten in place so that chart after chart reuses its room.
  tarvel::Reading Reading;
};

}  // namespace tarvel
