#include <gtest/gtest.h>

#include <QApplication>

// Every test drives real widgets, so one application object serves them all. Without a
// display the tests run offscreen, as they do under ctest.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
