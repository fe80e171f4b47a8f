#include <gtest/gtest.h>

#include <QGuiApplication>

// Fonts are measured and pictures drawn through Qt Gui, which needs an application object;
// without a display the tests run offscreen, as they do under ctest.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
