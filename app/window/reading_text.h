#pragma once

#include <QTextEdit>

#include "chart/chart_result.h"

namespace tarvel {

/// Replaces the text of the box with the chart's reading: each run in its colour, headings
/// bold, reading lines underlined. The box scrolls back to the top.
void ShowReadingText(const ChartResult& chart, QTextEdit& box);

}  // namespace tarvel
