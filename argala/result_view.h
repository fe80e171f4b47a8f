#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "argala/reading_run.h"
#include "ephemeris/chart_state.h"

namespace tarvel {

/// The captions the chart writes, by control array and index.
struct ChartCaptions {
  std::array<std::string, kSignCount> lblSign;
  std::array<std::string, kPlanetCount> lblPlanet;
  std::array<std::string, kPlanetCount> lblPlanets_Name;
  std::array<std::string, kPlanetCount> lblPlanets_Position;
  bool operator==(const ChartCaptions&) const = default;
};

/// Where a calculation shows its result: the desktop window, the command line or a test.
class ResultView {
 public:
  virtual ~ResultView() = default;
  /// False for a view that never shows the chart, so that its captions are not built.
  virtual bool ShowsChart() const { return true; }
  /// Writes every caption of the chart, replacing the previous chart.
  virtual void ShowChart(const ChartCaptions& captions) = 0;
  /// Replaces the whole reading with these runs, in order.
  virtual void ShowReading(const Reading& reading) = 0;
  /// Brings the result view in front of the input view.
  virtual void BringResultViewToFront() = 0;
};

}  // namespace tarvel
