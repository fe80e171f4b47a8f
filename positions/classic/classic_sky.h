#pragma once

#include "positions/sky.h"

namespace tarvel {

/// The sky of the classic formulas: the ascendant and the chart's correction from sidereal
/// time and the chart ayanamsa, the Moon from its 25-term series with the ephemeris' own
/// ayanamsa, the Sun and the planets from mean orbital elements and Rahu at the mean node.
/// The zone's offset is applied in the direction of the longitude's East or West, so that
/// every saved reading keeps giving the chart it gave.
class ClassicSky final : public Sky {
 public:
  SkyResult Positions(const BirthInstant& instant) const override;
  SkyResult PlacesOnly(const BirthInstant& instant) const override;
  SkySettings Settings() const override { return {}; }
};

}  // namespace tarvel
