#pragma once

#include <QSettings>

#include "document/chart_style.h"

namespace tarvel {

/// The chart style chosen in an earlier run; the South Indian when none was, or its name is
/// unknown.
ChartStyle LoadChartStyle(const QSettings& settings);

/// Remembers the chart style for the next run, by its command-line name.
void SaveChartStyle(QSettings& settings, ChartStyle style);

}  // namespace tarvel
