#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "web/finder/webengine_setup.h"

// Runs the tests inside a widget application; with no platform chosen they run offscreen.
int main(int argc, char** argv) {
  tarvel::PrepareWebEngine();
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
