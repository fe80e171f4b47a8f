// Saves pictures of the main window for the documentation:
//   take_screenshots <folder>  writes <folder>/screenshot-input.png, screenshot-result.png and
//   screenshot-atlas.png (the City box's completions)
// Run it under a real X server (xvfb-run) to see what a user sees.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QPainter>
#include <QTest>
#include <cstdio>
#include <string_view>

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
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: take_screenshots <folder>\n", stderr);
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
  return saved ? 0 : 1;
}
