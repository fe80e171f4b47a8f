#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/window/frm_main.h"
#include "app/window/message_box_sink.h"
#include "web/about/mod_help.h"

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

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fputs("tarvel: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n", stderr);
    std::fputs(kNoDisplayHint, stderr);
    return EXIT_FAILURE;
  }
  // The finder's embedded browser will not start as root with its sandbox on.
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  defaultHandler = qInstallMessageHandler(StartupMessageHandler);
  QApplication app(argc, argv);
  qInstallMessageHandler(defaultHandler);

  tarvel::MessageBoxSink sink;
  const tarvel::modHelp help;
  tarvel::frmMain window(sink, help);
  // The finder window plugs in here: window.SetFinderHooks({open, unload}).
  window.show();
  return app.exec();
}
