#pragma once

#include <QAction>
#include <QMenu>
#include <array>

#include "document/chart_style.h"

class QMenuBar;

namespace tarvel {

/// The "&View" menu: how the chart is shown. The window connects its items.
struct ViewMenuActions {
  QMenu* mnuView = nullptr;
  QMenu* mnuChartStyle = nullptr;                          ///< "Chart &Style"
  std::array<QAction*, kChartStyles.size()> chartStyle{};  ///< by ChartStyle, exclusive
};

/// Adds the view menu to the menu bar, before `before` (the Sky menu), and returns its items.
ViewMenuActions BuildViewMenu(QMenuBar* bar, QAction* before);

/// Ticks the style's item.
void ShowChartStyle(const ViewMenuActions& menu, ChartStyle style);

/// The style whose item is ticked; the South Indian when none is.
ChartStyle ChosenChartStyle(const ViewMenuActions& menu);

}  // namespace tarvel
