#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/window/frm_main.h"
#include "app/window/message_box_sink.h"
#include "app/window/window_arguments.h"
#include "tarvel_version.h"
#include "web/about/manual.h"
#include "web/about/mod_help.h"
#include "web/finder/finder_process.h"

namespace {

constexpr auto kNoDisplayHint =
    "For a chart without a desktop use the command-line program, for instance "
    "`tarvel-cli chart --help`.\n";

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QtMessageHandler defaultHandler = nullptr;

// While the application object starts, a display that cannot be reached is a fatal Qt
// message, on which Qt would abort; end with a hint instead.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  defaultHandler(type, context, message);
  if (type == QtFatalMsg) {
    std::fputs("tarvel: the display could not be opened.\n", stderr);
    std::fputs(kNoDisplayHint, stderr);
    std::_Exit(EXIT_FAILURE);
  }
}

// The finder reads the place as typed, and whether to search for it, from the main window.
tarvel::FinderQuery PlaceQuery(const tarvel::frmMain& window) {
  const tarvel::InputControls& in = window.Input();
  return {window.bMaleSearch, in.txtCity->text().toStdString(), in.txtState->text().toStdString(),
          in.txtCountry->text().toStdString()};
}

QStringList ArgumentsAfterName(int argc, char* argv[]) {
  QStringList arguments;
  for (int index = 1; index < argc; ++index) arguments << QString::fromLocal8Bit(argv[index]);
  return arguments;
}

// The finder program lies beside this one in a build, in its own folder once installed.
QString FinderProgram() {
  return tarvel::FindFinderProgram(QCoreApplication::applicationDirPath(),
                                   QStringLiteral(TARVEL_FINDER_INSTALL_DIR));
}

void OpenFinder(tarvel::FinderProcess& finder, const tarvel::frmMain& window,
                tarvel::MessageSink& sink) {
  if (auto error = finder.OpenFresh(PlaceQuery(window))) {
    sink.ShowMessage(*error, tarvel::MessageIcon::Error);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  // Help and version need no display, so they are answered before Qt starts.
  const tarvel::WindowArguments early = tarvel::ReadWindowArguments(ArgumentsAfterName(argc, argv));
  if (early.action == tarvel::WindowArguments::Action::Help) {
    std::fputs(tarvel::WindowUsage().toLocal8Bit().constData(), stdout);
    return EXIT_SUCCESS;
  }
  if (early.action == tarvel::WindowArguments::Action::Version) {
    std::fputs(tarvel::WindowVersionLine().toLocal8Bit().constData(), stdout);
    return EXIT_SUCCESS;
  }
  if (!HasDisplay()) {
    std::fputs("tarvel: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n", stderr);
    std::fputs(kNoDisplayHint, stderr);
    return EXIT_FAILURE;
  }
  defaultHandler = qInstallMessageHandler(StartupMessageHandler);
  QApplication app(argc, argv);
  qInstallMessageHandler(defaultHandler);
  // Where the chosen sky is remembered between runs.
  QCoreApplication::setOrganizationName("Tarvel");
  QCoreApplication::setApplicationName("Tarvel");
  // Desktops match the window to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(
      tarvel::kApplicationId.data(), static_cast<qsizetype>(tarvel::kApplicationId.size())));
  // Qt has taken its own options (-platform, -style, ...) out of the arguments by now.
  const tarvel::WindowArguments arguments =
      tarvel::ReadWindowArguments(QApplication::arguments().mid(1));
  if (arguments.action == tarvel::WindowArguments::Action::Refuse) {
    std::fputs(("tarvel: " + arguments.refusal + '\n').toLocal8Bit().constData(), stderr);
    return 2;
  }

  tarvel::MessageBoxSink sink;
  const tarvel::modHelp help(
      tarvel::OpenInDesktopBrowser,
      [&sink](std::string_view message) { sink.ShowMessage(message, tarvel::MessageIcon::Error); },
      tarvel::ManualAddress(tarvel::FindManual(QCoreApplication::applicationDirPath(),
                                               QStringLiteral(TARVEL_MANUAL_INSTALL_DIR))));
  // Declared before the window, so it outlives it and closes the finder last.
  tarvel::FinderProcess finder(FinderProgram());
  tarvel::frmMain window(sink, help);
  sink.SetParent(&window);
  window.SetFinderHooks({[&finder, &window, &sink] { OpenFinder(finder, window, sink); },
                         [&finder] { finder.Close(); }});
  window.show();
  // Once the loop runs, so that a message about the file finds the window placed and shown.
  if (!arguments.readingFile.isEmpty()) {
    QTimer::singleShot(0, &window, [&] { window.OpenReadingFile(arguments.readingFile); });
  }
  return app.exec();
}
