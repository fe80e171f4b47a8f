#include "app/window/main_menu.h"

#include <QMenuBar>

#include "web/about/named.h"

namespace tarvel {

MenuActions BuildMainMenu(QMenuBar* bar) {
  MenuActions menu;
  menu.mnuFile = Named(bar->addMenu("&File"), "mnuFile");
  menu.mnuCalculate = Named(menu.mnuFile->addAction("Get My &Rasi Chart"), "mnuCalculate");
  menu.mnuFile->addSeparator();
  menu.mnuPrint = Named(menu.mnuFile->addAction("&Print..."), "mnuPrint");
  menu.mnuPrint->setShortcut(QKeySequence::Print);
  menu.mnuExportPdf = Named(menu.mnuFile->addAction("Export P&DF..."), "mnuExportPdf");
  menu.mnuExportImage = Named(menu.mnuFile->addAction("Export &Image..."), "mnuExportImage");
  menu.mnuFile->addSeparator();
  menu.mnuExit = Named(menu.mnuFile->addAction("&Exit"), "mnuExit");

  menu.mnuHelp = Named(bar->addMenu("&Help"), "mnuHelp");
  menu.mnuOnline = Named(menu.mnuHelp->addAction("&Online Help"), "mnuOnline");
  menu.mnuVisit = Named(menu.mnuHelp->addAction("&Visit Us Online"), "mnuVisit");
  menu.mnuHelp->addSeparator();
  menu.mnuUpdate = Named(menu.mnuHelp->addAction("Check for Software &Update"), "mnuUpdate");
  menu.mnuHelp->addSeparator();
  menu.mnuAbout = Named(menu.mnuHelp->addAction("&About Software"), "mnuAbout");

  menu.mnuDonate = Named(bar->addAction("Donate"), "mnuDonate");
  return menu;
}

}  // namespace tarvel
