#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

// Runs the tests inside a widget application, offscreen unless told otherwise; as root the
// web engine starts only with its sandbox off.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
