#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "argala/chart_captions.h"

namespace tarvel {

/// The chart square and the position list beside it, by their names on the form.
struct RasiChartControls {
  QFrame* picDisplay = nullptr;
  std::array<QLabel*, kSignCount> lblSign{};    ///< by sign number
  std::array<QLabel*, kSignCount> lblSignNo{};  ///< by sign number
  std::array<QLabel*, kPlanetCount> lblPlanet{};
  std::array<QLabel*, kPlanetCount> lblPlanets_Name{};
  std::array<QLabel*, kPlanetCount> lblPlanets_Position{};
};

/// Logical pixels of a length in twips, at the usual 15 twips to the pixel.
constexpr int TwipsToPx(int twips) {
  return twips / 15;
}

/// Creates the chart and the position list inside `area`, placed as on the form. The
/// chart's sign boxes keep the system's window colours, so the legend's dark red stays
/// readable whatever background the result view has.
RasiChartControls BuildRasiChart(QWidget* area);

/// Writes every caption of a calculation: sign boxes, legend and position list.
void ShowChartCaptions(const ChartCaptions& captions, const RasiChartControls& controls);

}  // namespace tarvel
