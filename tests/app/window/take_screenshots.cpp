// Saves pictures of the main window for the documentation:
//   take_screenshots <folder>  writes <folder>/screenshot-input.png, screenshot-result.png,
//   screenshot-atlas.png (the City box's completions), screenshot-result-large.png (the
//   window enlarged), screenshot-printed.png (the first printed page, drawn by pdftoppm
//   from what Print... gives), screenshot-navamsa.png (the D9 chart),
//   screenshot-explained.png (the Rasi chart explaining the Argala on house 1),
//   screenshot-summary.png (the Summary tab), screenshot-north.png and screenshot-east.png (the
//   two other chart styles, with degrees and the retrograde mark), screenshot-file-menu.png
//   (the File menu open) and, given the built manual's page as a second argument,
//   screenshot-manual.png (its first screen)
// Run it under a real X server (xvfb-run) to see what a user sees.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <cstdio>
#include <string_view>
#include <utility>

#include "app/window/frm_main.h"
#include "web/about/mod_help.h"

namespace {

class StderrSink : public tarvel::MessageSink {
 public:
  void ShowMessage(std::string_view text, tarvel::MessageIcon /*icon*/) override {
    std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
  }
};

void FillExampleForm(const tarvel::InputControls& in) {
  QTest::keyClicks(in.txtName, "Asha Rao");
  in.cboDate->setCurrentText("14");
  in.cboMonth->setCurrentText("November");
  in.cboYear->setCurrentText("1987");
  in.cboHour->setCurrentText("6");
  in.cboMinute->setCurrentText("45");
  in.cboTimeZone->setCurrentText("Indian Time, IST, -5.3");
  QTest::keyClicks(in.txtLatDeg, "12");
  QTest::keyClicks(in.txtLatMin, "58");
  QTest::keyClicks(in.txtLonDeg, "77");
  QTest::keyClicks(in.txtLonMin, "35");
  QTest::keyClicks(in.txtCity, "Bengaluru");
  QTest::keyClicks(in.txtState, "Karnataka");
  QTest::keyClicks(in.txtCountry, "India");
}

// Prints to a PDF file where the print dialog would be.
class PdfPrinter : public tarvel::ChartPrinter {
 public:
  explicit PdfPrinter(QString path) : path_(std::move(path)) {}
  std::optional<std::string> Print(const QString& /*title*/,
                                   const tarvel::PagePainter& paint) override {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(path_);
    return paint(printer);
  }
  const QString& Path() const { return path_; }

 private:
  QString path_;
};

bool SavePrintedPage(tarvel::frmMain& window, const QString& path) {
  const QTemporaryDir scratch;
  PdfPrinter printer(scratch.filePath("printed.pdf"));
  window.SetChartPrinter(printer);
  window.Menu().mnuPrint->trigger();
  QString stem = path;
  stem.chop(4);  // pdftoppm adds ".png"
  const int status = QProcess::execute(
      "pdftoppm", {"-png", "-r", "80", "-f", "1", "-singlefile", printer.Path(), stem});
  std::fprintf(stderr, "%s %s\n", status == 0 ? "saved" : "could not save", qPrintable(path));
  return status == 0;
}

bool Save(QWidget& window, const QString& path) {
  QTest::qWait(400);
  const bool saved = window.grab().save(path);
  std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
  return saved;
}

// The window with the completion popup drawn where it stands: the popup is a window of its
// own, which a grab of the main window leaves out.
bool SaveWithCompletions(tarvel::frmMain& window, const QString& path) {
  tarvel::FilteredLineEdit* city = window.Input().txtCity;
  city->clear();
  city->setFocus();
  QTest::keyClicks(city, "Mumb");
  QTest::qWait(400);
  QPixmap picture = window.grab();
  QAbstractItemView* popup = window.Cities().Completer()->popup();
  QPainter painter(&picture);
  painter.drawPixmap(window.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
  painter.end();
  const bool saved = picture.save(path);
  std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
  popup->hide();
  // The example form types its own city after this.
  city->clear();
  return saved;
}

// The window with an open menu drawn where it drops down: like the completions, the menu is a
// window of its own.
bool SaveWithMenu(tarvel::frmMain& window, QMenu& menu, const QString& path) {
  menu.popup(window.mapToGlobal(QPoint(0, window.menuBar()->height())));
  QTest::qWait(400);
  QPixmap picture = window.grab();
  QPainter painter(&picture);
  painter.drawPixmap(window.mapFromGlobal(menu.mapToGlobal(QPoint(0, 0))), menu.grab());
  painter.end();
  menu.hide();
  const bool saved = picture.save(path);
  std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
  return saved;
}

// The manual's first screen, as a browser of the same width shows it.
bool SaveManual(const QString& page, const QString& path) {
  QTextBrowser browser;
  browser.setSource(QUrl::fromLocalFile(page));
  browser.resize(900, 700);
  browser.show();
  return Save(browser, path);
}

// The chart in each other style, with degrees and the retrograde mark.
bool SaveStyles(tarvel::frmMain& window, const QDir& folder) {
  window.ViewOptions().Actions().mnuDegrees->trigger();
  window.ViewOptions().Actions().mnuRetrograde->trigger();
  bool saved = true;
  for (const auto& [style, name] : {std::pair{tarvel::ChartStyle::North, "north"},
                                    std::pair{tarvel::ChartStyle::East, "east"}}) {
    window.ViewMenu().chartStyle[static_cast<std::size_t>(style)]->trigger();
    saved = Save(window, folder.filePath(QString("screenshot-%1.png").arg(name))) && saved;
  }
  // Three steps in: the chart grows with the texts around it.
  window.ViewMenu().chartStyle[static_cast<std::size_t>(tarvel::ChartStyle::North)]->trigger();
  for (int step = 0; step < 3; ++step) window.ViewOptions().Actions().mnuZoomIn->trigger();
  saved = Save(window, folder.filePath("screenshot-north-zoomed.png")) && saved;
  window.ViewOptions().Actions().mnuZoomReset->trigger();
  window.ViewMenu().chartStyle[static_cast<std::size_t>(tarvel::ChartStyle::South)]->trigger();
  window.ViewOptions().Actions().mnuDegrees->trigger();
  window.ViewOptions().Actions().mnuRetrograde->trigger();
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fputs("usage: take_screenshots <folder> [manual/index.html]\n", stderr);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  StderrSink sink;
  const tarvel::modHelp help([](std::string_view) { return true; }, {});
  tarvel::frmMain window(sink, help);
  window.show();
  bool saved = SaveWithCompletions(window, folder.filePath("screenshot-atlas.png"));
  FillExampleForm(window.Input());
  window.Cities().Completer()->popup()->hide();
  saved = Save(window, folder.filePath("screenshot-input.png")) && saved;
  window.Input().cmdCalculate->click();
  saved = Save(window, folder.filePath("screenshot-result.png")) && saved;
  window.resize(window.size() * 8 / 5);
  saved = Save(window, folder.filePath("screenshot-result-large.png")) && saved;
  saved = SavePrintedPage(window, folder.filePath("screenshot-printed.png")) && saved;
  window.Result().cboVarga->setCurrentText("D9 Navamsa");
  saved = Save(window, folder.filePath("screenshot-navamsa.png")) && saved;
  window.Result().cboVarga->setCurrentText("D1 Rasi");
  // The first arrow key puts the frame on the ascendant's box; Enter explains its house.
  window.Result().chart->setFocus();
  QTest::keyClick(window.Result().chart, Qt::Key_Down);
  QTest::keyClick(window.Result().chart, Qt::Key_Return);
  saved = Save(window, folder.filePath("screenshot-explained.png")) && saved;
  window.Result().analysis.tabs->setCurrentWidget(window.Result().analysis.summary);
  saved = Save(window, folder.filePath("screenshot-summary.png")) && saved;
  window.Result().analysis.tabs->setCurrentIndex(0);
  saved = SaveStyles(window, folder) && saved;
  saved =
      SaveWithMenu(window, *window.Menu().mnuFile, folder.filePath("screenshot-file-menu.png")) &&
      saved;
  if (argc == 3) {
    saved = SaveManual(QString::fromLocal8Bit(argv[2]), folder.filePath("screenshot-manual.png")) &&
            saved;
  }
  return saved ? 0 : 1;
}
