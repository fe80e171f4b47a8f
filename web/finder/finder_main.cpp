// The latitude and longitude finder as a program of its own, started by the window (see
// FinderProcess): the web engine is loaded here, never in the window's program.
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "web/about/mod_help.h"
#include "web/finder/finder_arguments.h"
#include "web/finder/finder_launcher.h"

namespace {

constexpr int kExitBadArguments = 2;

std::vector<std::string> ArgumentsAfterTheProgram(const QStringList& arguments) {
  std::vector<std::string> texts;
  for (qsizetype index = 1; index < arguments.size(); ++index) {
    texts.push_back(arguments[index].toStdString());
  }
  return texts;
}

// Reads what arrives on standard input; true once it has ended (or failed for good).
bool InputEnded() {
  char ignored[256];
  const ssize_t got = ::read(STDIN_FILENO, ignored, sizeof ignored);
  return got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN);
}

void ShowLinkFailure(QWidget* parent, std::string_view message) {
  QMessageBox box(QMessageBox::Critical, "Tarvel",
                  QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())),
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  // The embedded browser will not start as root with its sandbox on.
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QApplication app(argc, argv);
  const auto parsed = tarvel::ParseFinderArguments(ArgumentsAfterTheProgram(app.arguments()));
  if (const auto* error = std::get_if<std::string>(&parsed)) {
    std::fprintf(stderr, "tarvel-finder: %s\n", error->c_str());
    return kExitBadArguments;
  }
  const tarvel::FinderStart& start = std::get<tarvel::FinderStart>(parsed);

  tarvel::FinderLauncher* finder = nullptr;
  const tarvel::modHelp help(tarvel::OpenInDesktopBrowser, [&finder](std::string_view message) {
    ShowLinkFailure(finder != nullptr ? finder->Current() : nullptr, message);
  });
  tarvel::FinderOptions options;
  options.service = start.service;
  options.openHomePage = [&help] { help.OpenHomePage(); };
  tarvel::FinderLauncher launcher(std::move(options));
  finder = &launcher;

  // The window closes the finder by ending its input, and so does the window's going.
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&launcher, &input] {
    if (!InputEnded()) return;
    input.setEnabled(false);
    launcher.Close();
    QApplication::quit();
  });
  launcher.OpenFresh(start.query);
  return app.exec();
}
