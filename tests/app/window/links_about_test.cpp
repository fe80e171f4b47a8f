#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "web/about/frm_about.h"
#include "web/about/link_label.h"
#include "web/about/manual.h"
#include "web/links.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

using LinksTest = WindowTest;

TEST_F(LinksTest, MenuItemsOpenTheirLinks) {
  const MenuActions& menu = window.Menu();
  const std::array<std::pair<QAction*, std::string_view>, 4> items{{
      {menu.mnuOnline, links::kOnlineHelp},
      {menu.mnuVisit, links::kHomePage},
      {menu.mnuUpdate, links::kUpdate},
      {menu.mnuDonate, links::kDonation},
  }};
  for (const auto& [action, link] : items) {
    opened.clear();
    action->trigger();
    EXPECT_EQ(opened, std::vector<std::string>{std::string(link)}) << action->text().toStdString();
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(LinksTest, ALinkNoBrowserCanShowIsReportedWithItsAddress) {
  browserStarts = false;
  window.Menu().mnuOnline->trigger();
  QTest::mouseClick(window.Promotions().lblCobrand, Qt::LeftButton);
  EXPECT_EQ(sink.messages,
            (std::vector<ShownMessage>{
                {"No web browser could be started to show https://tarvel.example.com/help/",
                 MessageIcon::Error},
                {"No web browser could be started to show https://tarvel.example.com/co-brand/",
                 MessageIcon::Error}}));
}

// F1 opens the manual installed with the program, or the one beside it in a build.
TEST(ManualTest, F1OpensTheManualsIndexInTheBrowser) {
  for (const QString beside : {"", "bin/manual/index.html"}) {
    const QTemporaryDir prefix;
    const QString installed = prefix.filePath("share/doc/tarvel/manual/index.html");
    for (const QString& page : {installed, prefix.filePath(beside)}) {  // "" names the folder
      QDir().mkpath(QFileInfo(page).path());
      QFile(page).open(QIODevice::WriteOnly);
    }
    const QString expected = beside.isEmpty() ? installed : prefix.filePath(beside);
    const QString found = FindManual(prefix.filePath("bin"), "../share/doc/tarvel/manual");
    EXPECT_EQ(found, expected);
    std::vector<std::string> opened;
    RecordingSink sink;
    const modHelp help([&](std::string_view url) { return opened.emplace_back(url), true; }, {},
                       ManualAddress(found));
    frmMain window(sink, help);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(opened, std::vector<std::string>{"file://" + expected.toStdString()});
  }
}

TEST(AboutBoxTest, TextsAsWritten) {
  const modHelp help([](std::string_view) { return true; }, {});
  const frmAbout about(help);
  EXPECT_EQ(about.windowTitle(), "Tarvel v1.0");
  EXPECT_EQ(about.Label2->text(), "Tarvel v1.0");
  EXPECT_EQ(about.Label1->text(),
            "Tarvel calculates the planetary intervention for a given natal chart based on Vedic "
            "Astrology. Argala or planetary intervention can be translated as \"a bolt\". This "
            "refers to intervention by one planet into the affairs of another. This influence can "
            "be good or bad depending on the nature of the planets involved.");
  EXPECT_EQ(about.Label3->text(),
            "Home Business Opportunity. Start your own Internet business and make money online. "
            "Get this software fully branded for your website.");
  EXPECT_EQ(about.lblCoBrand->text(), "Click here for more details.");
  EXPECT_EQ(about.cmdOK->text(), "OK");
  EXPECT_FALSE(about.picIcon->pixmap().isNull());
  EXPECT_TRUE(about.isModal());
}

TEST(AboutBoxTest, LinksOpenFullBrandAndHomePage) {
  std::vector<std::string> opened;
  const modHelp help(
      [&opened](std::string_view url) {
        opened.emplace_back(url);
        return true;
      },
      {});
  frmAbout about(help);
  about.show();
  QTest::mouseClick(about.lblCoBrand, Qt::LeftButton);
  QTest::mouseClick(about.lblHomePage, Qt::LeftButton);
  EXPECT_EQ(opened, (std::vector<std::string>{std::string(links::kFullBrand),
                                              std::string(links::kHomePage)}));
  QTest::mouseClick(about.cmdOK, Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

// The menu item shows the box modally: the window waits until "OK" is pressed.
TEST_F(LinksTest, AboutSoftwareShowsTheBoxModally) {
  bool seen = false;
  QTimer::singleShot(0, [&seen] {
    auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    seen = about->isVisible() && about->Label2->text() == "Tarvel v1.0";
    about->cmdOK->click();
  });
  window.Menu().mnuAbout->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace tarvel::testing
