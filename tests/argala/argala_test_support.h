#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "argala/result_view.h"
#include "ephemeris/chart_state.h"

namespace tarvel::testing {

/// Records every call the evaluation makes on its view, in order.
class RecordingResultView : public ResultView {
 public:
  void ShowChart(const ChartCaptions& captions) override {
    calls.emplace_back("ShowChart");
    charts.push_back(captions);
  }
  void ShowReading(const Reading& reading) override {
    calls.emplace_back("ShowReading");
    readings.push_back(reading);
  }
  void BringResultViewToFront() override { calls.emplace_back("BringResultViewToFront"); }

  std::vector<std::string> calls;
  std::vector<ChartCaptions> charts;
  std::vector<Reading> readings;
};

inline const PlanetTable kPlanetNames = {"Sun",     "Moon",   "Mercury", "Venus",  "Mars",
                                         "Jupiter", "Saturn", "N Node",  "S Node", ""};
inline const PlanetTable kGrahaNames = {"Surya", "Chandra", "Budha", "Shukra", "Mangala",
                                        "Guru",  "Shani",   "Rahu",  "Ketu",   ""};

/// A chart state with the nine names, the ascendant in `ascendantSign` and planet p in
/// `planetSigns`[p], each as a short position "1p <sign> 07" (degrees differ by planet).
inline ChartState MakeChart(std::string_view ascendantSign,
                            const std::array<std::string_view, kPlanetCount>& planetSigns) {
  ChartState state;
  state.AscendantPosition = "12\u00b0 34' 56\" " + std::string(ascendantSign);
  state.PlanetNames = kPlanetNames;
  state.GrahaNames = kGrahaNames;
  for (int p = 0; p < kPlanetCount; ++p) {
    state.PlanetSigns[p] = "1" + std::to_string(p) + " " + std::string(planetSigns[p]) + " 07";
  }
  return state;
}

/// Ascendant in Aries; Sun and Mercury in Aries, Moon in Taurus, Mars in Cancer, N Node in
/// Virgo, Jupiter in Sagittarius, Saturn in Capricorn, Venus and S Node in Pisces.
inline ChartState WorkedChart() {
  return MakeChart("Ari", {"Ari", "Tau", "Ari", "Pis", "Can", "Sag", "Cap", "Vir", "Pis"});
}

}  // namespace tarvel::testing
