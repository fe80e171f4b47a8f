// The calculation chain on any birth data and zone row, in every sky: no crash, and either a
// refusal with no reading, or every place within 0-360 degrees, labelled with the chosen sky's
// own ephemeris, and a reading that runs through every planet to the S Node's block.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "chart/skies.h"
#include "document/reading_lines.h"
#include "form/calculation_driver.h"
#include "fuzz/fuzz_bytes.h"

namespace tarvel::fuzz {
namespace {

// Every field takes any value of its type: the classic formulas' loops stay short for any
// year a 16-bit field holds, so nothing needs bounding here.
BirthData AnyBirth(FuzzBytes& bytes) {
  BirthData birth;
  for (std::int16_t* field :
       {&birth.BirthMonth, &birth.BirthDay, &birth.BirthYear, &birth.BirthHour, &birth.BirthMinute,
        &birth.ZoneHours, &birth.ZoneMinutes, &birth.LonDeg, &birth.LonMin, &birth.LatDeg,
        &birth.LatMin, &birth.IsEast, &birth.IsSouth, &birth.IsDST}) {
    *field = bytes.Int16();
  }
  birth.BirthName = bytes.Text(16);
  birth.BirthCity = bytes.Text(16);
  return birth;
}

SkySettings AnySky(FuzzBytes& bytes) {
  SkySettings settings;
  settings.kind = bytes.Byte() % 2 == 0 ? SkyKind::Classic : SkyKind::Swiss;
  settings.ayanamsa = static_cast<AyanamsaKind>(bytes.Byte() % 6);
  settings.node = bytes.Byte() % 2 == 0 ? NodeKind::Mean : NodeKind::True;
  return settings;
}

bool OnCircle(double longitudeDeg) {
  return longitudeDeg >= 0 && longitudeDeg < 360;
}

void CheckPositions(const SkyPositions& positions, SkyKind kind) {
  Require(OnCircle(positions.ascendantDeg), "the ascendant is within 0-360 degrees");
  Require(std::isfinite(positions.chartCorrection), "the correction is a number");
  for (double longitudeDeg : positions.grahaDeg) {
    Require(OnCircle(longitudeDeg), "every graha's longitude is within 0-360 degrees");
  }
  const bool classicLabel = positions.ephemeris == SkyEphemeris::ClassicFormulas;
  Require(classicLabel == (kind == SkyKind::Classic), "the chart names the sky that computed it");
}

void CheckReading(const ChartResult& chart) {
  Require(!chart.reading.empty() && chart.reading.back().kind == ReadingRunKind::BlockEnd,
          "the reading ends with a block's end");
  const auto heading = std::find_if(chart.reading.rbegin(), chart.reading.rend(), [](auto& run) {
    return run.kind == ReadingRunKind::PlanetHeading;
  });
  Require(heading != chart.reading.rend() && heading->planet == SNode,
          "the last block is the S Node's");
  std::string lastBlock;
  for (auto run = std::prev(heading.base()); run != chart.reading.end(); ++run) {
    lastBlock.append(LineOfRun(*run, chart.argala));
    lastBlock.append("\r\n");
  }
  Require(lastBlock.starts_with(kPlanetNames[SNode]) && lastBlock.ends_with("\r\n\r\n"),
          "the S Node's block is its name, its lines and an empty line");
  Require(ReadingText(chart.reading, chart.argala, "\r\n").ends_with(lastBlock),
          "the reading's text ends with the S Node's block");
}

}  // namespace
}  // namespace tarvel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel;
  using namespace tarvel::fuzz;
  static const Skies skies;
  FuzzBytes bytes(data, size);
  ChartState state;
  state.BirthData = AnyBirth(bytes);
  const int zoneKind = bytes.Int32();
  state.Zone = {zoneKind == 1   ? ZoneKind::Offset
                : zoneKind == 2 ? ZoneKind::LocalMeanTime
                                : ZoneKind::Row,
                bytes.Int32(), bytes.Int32()};
  const SkySettings settings = AnySky(bytes);
  RunCalculationChain(state, skies.For(settings));
  if (!state.Chart.error.empty()) {
    Require(state.Chart.reading.empty(), "a refused chart has no reading");
    return 0;
  }
  CheckPositions(state.Chart.positions, settings.kind);
  CheckReading(state.Chart);
  return 0;
}
