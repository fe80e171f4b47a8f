// The installed icon is rendered from the SVG in packaging/; the window and the about box
// draw theirs in code. A desktop shows both, so they must be the same picture.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <cstdlib>

#include "web/about/program_icon.h"

namespace tarvel::testing {
namespace {

constexpr int kSizePx = 64;
// Two renderers may smooth the lines' edges a little differently; one grid line left out
// already changes 56 pixels, and a changed colour hundreds.
constexpr int kChannelTolerance = 64;
constexpr int kMostDifferingPixels = 16;

bool Differs(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) > kChannelTolerance ||
         std::abs(qGreen(a) - qGreen(b)) > kChannelTolerance ||
         std::abs(qBlue(a) - qBlue(b)) > kChannelTolerance ||
         std::abs(qAlpha(a) - qAlpha(b)) > kChannelTolerance;
}

TEST(ProgramIconTest, TheInstalledIconShowsWhatTheProgramDraws) {
  QImage installed(TARVEL_ICON_PNG);
  ASSERT_FALSE(installed.isNull()) << TARVEL_ICON_PNG;
  ASSERT_EQ(installed.size(), QSize(kSizePx, kSizePx));
  installed = installed.convertToFormat(QImage::Format_ARGB32);
  const QImage drawn =
      ProgramIcon().pixmap(kSizePx, kSizePx).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(drawn.size(), installed.size());
  int differing = 0;
  for (int y = 0; y < kSizePx; ++y) {
    for (int x = 0; x < kSizePx; ++x)
      differing += Differs(installed.pixel(x, y), drawn.pixel(x, y));
  }
  EXPECT_LE(differing, kMostDifferingPixels) << differing << " pixels differ";
  // Spot checks of the design itself: the yellow grid, a dark sign box, the cyan centre.
  EXPECT_EQ(installed.pixelColor(1, 32), QColor(255, 255, 0));
  EXPECT_EQ(installed.pixelColor(8, 8), QColor(24, 38, 64));
  EXPECT_EQ(installed.pixelColor(32, 32), QColor(0, 192, 192));
}

}  // namespace
}  // namespace tarvel::testing

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
