#include "app/window/main_menu.h"

#include <QMenuBar>

#include "web/about/named.h"

namespace tarvel {
namespace {

QAction* Item(QMenu* menu, const char* text, const char* name, const QKeySequence& keys = {}) {
  QAction* action = Named(menu->addAction(text), name);
  action->setShortcut(keys);
  return action;
}

void AddFileItems(MenuActions& menu) {
  QMenu* file = menu.mnuFile;
  menu.mnuCalculate = Item(file, "Get My &Rasi Chart", "mnuCalculate");
  file->addSeparator();
  menu.mnuOpen = Item(file, "&Open...", "mnuOpen", QKeySequence::Open);
  menu.mnuRecent = Named(file->addMenu("Open Re&cent"), "mnuRecent");
  menu.mnuSave = Item(file, "&Save", "mnuSave", QKeySequence::Save);
  menu.mnuSaveAs = Item(file, "Save &As...", "mnuSaveAs", QKeySequence("Ctrl+Shift+S"));
  file->addSeparator();
  menu.mnuPrint = Item(file, "&Print...", "mnuPrint", QKeySequence::Print);
  menu.mnuExportPdf = Item(file, "Export P&DF...", "mnuExportPdf");
  menu.mnuExportImage = Item(file, "Export &Image...", "mnuExportImage");
  file->addSeparator();
  menu.mnuStartEmpty = Item(file, "Start With an Empty &Form", "mnuStartEmpty");
  menu.mnuStartEmpty->setCheckable(true);
  file->addSeparator();
  // Spelled out: some desktops bind no standard quit key.
  menu.mnuExit = Item(file, "&Exit", "mnuExit", QKeySequence("Ctrl+Q"));
}

}  // namespace

MenuActions BuildMainMenu(QMenuBar* bar) {
  MenuActions menu;
  menu.mnuFile = Named(bar->addMenu("&File"), "mnuFile");
  AddFileItems(menu);

  menu.mnuHelp = Named(bar->addMenu("&Help"), "mnuHelp");
  menu.mnuOnline = Item(menu.mnuHelp, "&Online Help", "mnuOnline", QKeySequence::HelpContents);
  menu.mnuVisit = Item(menu.mnuHelp, "&Visit Us Online", "mnuVisit");
  menu.mnuHelp->addSeparator();
  menu.mnuUpdate = Item(menu.mnuHelp, "Check for Software &Update", "mnuUpdate");
  menu.mnuHelp->addSeparator();
  menu.mnuAbout = Item(menu.mnuHelp, "&About Software", "mnuAbout");

  menu.mnuDonate = Named(bar->addAction("Donate"), "mnuDonate");
  return menu;
}

}  // namespace tarvel
