#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "app/window/periods_view.h"
#include "app/window/rasi_chart_view.h"
#include "app/window/summary_view.h"

namespace tarvel {

/// The controls of the result view, by their names on the form.
struct ResultControls {
  QGroupBox* Frame2 = nullptr;
  QTextEdit* RTB = nullptr;        ///< the reading, read-only
  QLabel* lblSky = nullptr;        ///< which sky computed the chart
  QLabel* lblHeader = nullptr;     ///< whose chart: name, birth, place and coordinates
  RasiChartView* chart = nullptr;  ///< picDisplay: the chart square and the position list
  QPushButton* cmdSave = nullptr;
  QPushButton* cmdBack = nullptr;
  QComboBox* cboVarga = nullptr;     ///< which chart is shown: the Rasi chart or a varga
  AnalysisTabs analysis;             ///< the reading and the synthesis, a tab each
  QLabel* lblExplanation = nullptr;  ///< the explaining chart's caption, under the chart
  PeriodsView* periods = nullptr;    ///< the Vimshottari periods, a tab beside the synthesis
  QLabel* lblArrowKey = nullptr;     ///< what the arrows mean, beside the chart while drawn
};

/// Creates the result view inside `parent`: the header line above all, the chart selector,
/// the chart with its position list, the explanation's caption above the reading and synthesis
/// tabs, and the two buttons, on a dark background on which the
/// reading's light colours stand out.
ResultControls BuildResultView(QWidget* parent);

}  // namespace tarvel
