#include "web/finder/webengine_setup.h"

#include <unistd.h>

#include <QByteArray>
#include <QtGlobal>

namespace tarvel {

void PrepareWebEngine() {
  if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
  }
}

}  // namespace tarvel
