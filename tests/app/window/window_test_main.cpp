#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Every test starts from a first run: nothing remembered from the tests before it.
class ForgetSettings : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { QSettings().clear(); }
};

}  // namespace

// Every test drives real widgets, so one application object serves them all. Without a
// display the tests run offscreen, as they do under ctest. Settings go to a test location.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  // A folder of this run's own, so that test runs side by side never share the remembered sky.
  const QTemporaryDir settingsFolder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
  QCoreApplication::setOrganizationName("TarvelTests");
  QCoreApplication::setApplicationName("WindowTests");
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetSettings);
  return RUN_ALL_TESTS();
}
