#pragma once

#include <QAction>
#include <QMenu>

class QMenuBar;

namespace tarvel {

/// The menu bar's menus and items, by their names on the form.
struct MenuActions {
  QMenu* mnuFile = nullptr;
  QAction* mnuCalculate = nullptr;
  QAction* mnuOpen = nullptr;         ///< "&Open...", Ctrl+O: a saved reading
  QMenu* mnuRecent = nullptr;         ///< "Open Re&cent": the last readings opened or saved
  QAction* mnuSave = nullptr;         ///< "&Save", Ctrl+S: to the reading's own file
  QAction* mnuSaveAs = nullptr;       ///< "Save &As...", Ctrl+Shift+S: to a file chosen anew
  QAction* mnuPrint = nullptr;        ///< "Print...", Ctrl+P: the chart on show
  QAction* mnuExportPdf = nullptr;    ///< "Export PDF...": the chart on show
  QAction* mnuExportImage = nullptr;  ///< "Export Image...": PNG or SVG
  QAction* mnuStartEmpty = nullptr;   ///< checked: the form starts empty, not at the last date
  QAction* mnuExit = nullptr;         ///< "&Exit", Ctrl+Q
  QMenu* mnuHelp = nullptr;
  QAction* mnuOnline = nullptr;  ///< "&Online Help", F1: the manual installed with the program
  QAction* mnuVisit = nullptr;
  QAction* mnuUpdate = nullptr;
  QAction* mnuAbout = nullptr;
  QAction* mnuDonate = nullptr;  ///< a menu-bar item of its own, with no items under it
};

/// Fills the menu bar: "&File", "&Help" and "Donate". Connecting the items, and opening the
/// print and export items while a chart is on show, is the window's business.
MenuActions BuildMainMenu(QMenuBar* bar);

}  // namespace tarvel
