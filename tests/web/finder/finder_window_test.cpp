#include "web/finder/frm_browser.h"

#include <memory>
#include <string>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/web/finder/recording_browser.h"
#include "web/finder/finder_launcher.h"
#include "web/links.h"

namespace tarvel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FakeEmbeddedBrowser : public testing::RecordingBrowserOf<EmbeddedBrowser> {
 public:
  explicit FakeEmbeddedBrowser(BrowserPages shownPages) : pages(std::move(shownPages)) {}
  QWidget* Widget() override { return widget.get(); }

  BrowserPages pages;
  std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
};

// Makes fake browsers and remembers the last one, which the window owns.
struct FakeFactory {
  FakeEmbeddedBrowser* last = nullptr;

  BrowserFactory Make() {
    return [this](const BrowserPages& pages) {
      auto browser = std::make_unique<FakeEmbeddedBrowser>(pages);
      last = browser.get();
      return browser;
    };
  }
};

class FinderWindowTest : public ::testing::Test {
 protected:
  FinderOptions Options() {
    FinderOptions options;
    options.service = {"http://127.0.0.1:1/find", "http://127.0.0.1:1/", "http://127.0.0.1:1/l"};
    options.openHomePage = [this] { ++homePageOpened; };
    options.makeBrowser = factory.Make();
    return options;
  }

  template <class T>
  T* Child(const char* name) {
    T* child = window->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  FakeFactory factory;
  int homePageOpened = 0;
  std::unique_ptr<frmBrowser> window =
      std::make_unique<frmBrowser>(FinderQuery{true, "Pune", "Maharashtra", "India"}, Options());
  FakeEmbeddedBrowser& browser = *factory.last;
};

TEST_F(FinderWindowTest, OpensBlankWithTheCaptionAndTheQuery) {
  EXPECT_EQ(window->windowTitle(), "Tarvel v1.0");
  EXPECT_THAT(browser.calls, ElementsAre("Navigate about:blank"));
  EXPECT_EQ(browser.listener, &window->logic());
  EXPECT_EQ(window->logic().searchQuery(), "Latitude Longitude Pune Maharashtra India");
  EXPECT_FALSE(window->logic().searchSubmitted());
}

TEST_F(FinderWindowTest, BrowserPagesAreTheMakersHomeAndTheSearchService) {
  EXPECT_EQ(browser.pages.home, links::kHomePage);
  EXPECT_EQ(browser.pages.search, "http://127.0.0.1:1/");
}

TEST_F(FinderWindowTest, HasTheNamedControls) {
  EXPECT_EQ(Child<QLabel>("lblAddress")->text(), "&Address:");
  EXPECT_EQ(Child<QLabel>("lblAddress")->buddy(), Child<QComboBox>("cboAddress"));
  EXPECT_TRUE(Child<QComboBox>("cboAddress")->isEditable());
  EXPECT_EQ(Child<QComboBox>("cboAddress")->parent(), Child<QWidget>("picAddress"));
  EXPECT_EQ(Child<QWidget>("brwWebBrowser"), browser.Widget());
  EXPECT_FALSE(Child<QTimer>("timTimer")->isActive());
}

TEST_F(FinderWindowTest, ToolbarHasSixIconButtonsInOrder) {
  std::vector<std::string> keys;
  for (QAction* action : Child<QToolBar>("tbToolBar")->actions()) {
    if (action->text().isEmpty()) continue;  // the promotional label's place
    keys.push_back(action->text().toStdString());
    EXPECT_FALSE(action->icon().isNull()) << keys.back();
  }
  EXPECT_THAT(keys, ElementsAre("Back", "Forward", "Stop", "Refresh", "Home", "Search"));
}

TEST_F(FinderWindowTest, ToolbarButtonReachesTheBrowserAndStartsThePoll) {
  browser.calls.clear();
  browser.busy = true;
  Child<QAction>("Back")->trigger();
  EXPECT_THAT(browser.calls, ElementsAre("GoBack"));
  EXPECT_TRUE(Child<QTimer>("timTimer")->isActive());
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "Working..."; }, 5000));
  browser.busy = false;
  browser.locationName = "Previous page";
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "Previous page"; }, 5000));
  EXPECT_FALSE(Child<QTimer>("timTimer")->isActive());
}

TEST_F(FinderWindowTest, StopDisablesTheTimer) {
  Child<QAction>("Refresh")->trigger();
  browser.locationName = "Stopped here";
  Child<QAction>("Stop")->trigger();
  EXPECT_FALSE(Child<QTimer>("timTimer")->isActive());
  EXPECT_EQ(browser.calls.back(), "Stop");
  EXPECT_EQ(window->windowTitle(), "Stopped here");
}

TEST_F(FinderWindowTest, CompletedPagesFillTheAddressBarMostRecentFirst) {
  for (const char* url : {"http://a.example/", "http://b.example/", "http://a.example/"}) {
    browser.locationUrl = url;
    browser.locationName = url;
    browser.listener->DocumentComplete(true, url);
  }
  auto* combo = Child<QComboBox>("cboAddress");
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(0), "http://a.example/");
  EXPECT_EQ(combo->itemText(1), "http://b.example/");
  EXPECT_EQ(combo->currentText(), "http://a.example/");
  EXPECT_THAT(browser.calls, ElementsAre("Navigate about:blank"));
}

TEST_F(FinderWindowTest, AFailedSearchShowsItsAddressInTheAddressBar) {
  browser.listener->DocumentComplete(true, "about:blank");
  browser.listener->NavigateError("http://127.0.0.1:1/find?q=Latitude+Longitude+Pune");
  browser.listener->DownloadComplete();
  auto* combo = Child<QComboBox>("cboAddress");
  ASSERT_EQ(combo->count(), 1);
  EXPECT_EQ(combo->currentText(), "http://127.0.0.1:1/find?q=Latitude+Longitude+Pune");
  // Enter tries it again.
  browser.calls.clear();
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  EXPECT_THAT(browser.calls,
              ElementsAre("Navigate http://127.0.0.1:1/find?q=Latitude+Longitude+Pune"));
}

TEST_F(FinderWindowTest, EnterInTheAddressBarNavigatesOnce) {
  auto* combo = Child<QComboBox>("cboAddress");
  browser.calls.clear();
  QTest::keyClicks(combo->lineEdit(), "example.org");
  EXPECT_THAT(browser.calls, IsEmpty());
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  EXPECT_THAT(browser.calls, ElementsAre("Navigate example.org"));
  EXPECT_TRUE(Child<QTimer>("timTimer")->isActive());
  EXPECT_EQ(combo->count(), 0);
}

TEST_F(FinderWindowTest, ChoosingFromTheListNavigates) {
  browser.locationUrl = "http://a.example/";
  browser.listener->DocumentComplete(true, "http://a.example/");
  browser.calls.clear();
  auto* combo = Child<QComboBox>("cboAddress");
  combo->activated(0);
  EXPECT_THAT(browser.calls, ElementsAre("Navigate http://a.example/"));
}

TEST_F(FinderWindowTest, PromotionalLabelOpensTheHomePage) {
  window->show();
  QTest::mouseClick(Child<QLabel>("Label61"), Qt::LeftButton);
  EXPECT_EQ(homePageOpened, 1);
  EXPECT_THAT(browser.calls, ElementsAre("Navigate about:blank"));
}

TEST(FinderLauncherTest, EachSearchGetsAFreshWindow) {
  FakeFactory factory;
  FinderOptions options;
  options.makeBrowser = factory.Make();
  FinderLauncher launcher(options);
  QPointer<frmBrowser> first = launcher.OpenFresh({true, "Pune", "Maharashtra", "India"});
  ASSERT_FALSE(first.isNull());
  EXPECT_TRUE(first->isVisible());
  factory.last->listener->DocumentComplete(true, "about:blank");
  ASSERT_TRUE(first->logic().searchSubmitted());

  QPointer<frmBrowser> second = launcher.OpenFresh({true, "Austin", "Texas", "USA"});
  EXPECT_TRUE(first.isNull());
  ASSERT_FALSE(second.isNull());
  EXPECT_EQ(launcher.Current(), second.data());
  EXPECT_FALSE(second->logic().searchSubmitted());
  EXPECT_EQ(second->logic().searchQuery(), "Latitude Longitude Austin Texas USA");

  launcher.Close();
  EXPECT_TRUE(second.isNull());
  EXPECT_EQ(launcher.Current(), nullptr);
}

TEST(FinderLauncherTest, WindowClosedByTheUserGoesAway) {
  FakeFactory factory;
  FinderOptions options;
  options.makeBrowser = factory.Make();
  FinderLauncher launcher(options);
  QPointer<frmBrowser> finder = launcher.OpenFresh({});
  finder->close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return finder.isNull(); }, 5000));
  EXPECT_EQ(launcher.Current(), nullptr);
  launcher.Close();
}

}  // namespace
}  // namespace tarvel
