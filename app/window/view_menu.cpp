#include "app/window/view_menu.h"

#include <QActionGroup>
#include <QMenuBar>

#include "export/placed_text.h"
#include "web/about/named.h"

namespace tarvel {
ViewMenuActions BuildViewMenu(QMenuBar* bar, QAction* before) {
  ViewMenuActions menu;
  menu.mnuView = Named(new QMenu("&View", bar), "mnuView");
  bar->insertMenu(before, menu.mnuView);
  menu.mnuChartStyle = Named(menu.mnuView->addMenu("Chart &Style"), "mnuChartStyle");
  auto* styles = new QActionGroup(menu.mnuChartStyle);
  for (std::size_t index = 0; index < kChartStyles.size(); ++index) {
    QAction* action =
        menu.mnuChartStyle->addAction("&" + FromUtf8(ChartStyleDisplayName(kChartStyles[index])));
    action->setCheckable(true);
    styles->addAction(action);
    menu.chartStyle[index] = action;
  }
  return menu;
}

void ShowChartStyle(const ViewMenuActions& menu, ChartStyle style) {
  menu.chartStyle[static_cast<std::size_t>(style)]->setChecked(true);
}

ChartStyle ChosenChartStyle(const ViewMenuActions& menu) {
  for (std::size_t index = 0; index < kChartStyles.size(); ++index) {
    if (menu.chartStyle[index]->isChecked()) return kChartStyles[index];
  }
  return ChartStyle::South;
}

}  // namespace tarvel
