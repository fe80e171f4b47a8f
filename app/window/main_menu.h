#pragma once

#include <QAction>
#include <QMenu>

class QMenuBar;

namespace tarvel {

/// The menu bar's menus and items, by their names on the form.
struct MenuActions {
  QMenu* mnuFile = nullptr;
  QAction* mnuCalculate = nullptr;
  QAction* mnuPrint = nullptr;        ///< "Print...", Ctrl+P: the chart on show
  QAction* mnuExportPdf = nullptr;    ///< "Export PDF...": the chart on show
  QAction* mnuExportImage = nullptr;  ///< "Export Image...": PNG or SVG
  QAction* mnuExit = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuOnline = nullptr;
  QAction* mnuVisit = nullptr;
  QAction* mnuUpdate = nullptr;
  QAction* mnuAbout = nullptr;
  QAction* mnuDonate = nullptr;  ///< a menu-bar item of its own, with no items under it
};

/// Fills the menu bar: "&File", "&Help" and "Donate". Connecting the items, and opening the
/// print and export items while a chart is on show, is the window's business.
MenuActions BuildMainMenu(QMenuBar* bar);

}  // namespace tarvel
