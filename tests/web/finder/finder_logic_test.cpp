#include "web/finder/finder_logic.h"

#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/web/finder/recording_browser.h"

namespace tarvel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::RecordingBrowser;

constexpr const char* kPage = "<HTML><BODY>form</BODY></HTML>";

// The window's controls as plain data; `duringRewrite` runs inside each change of the list,
// as a combo's own click event would.
class FakeView : public FinderView {
 public:
  std::string caption = "Tarvel v1.0";
  bool timerEnabled = false;
  std::vector<std::string> addresses;
  int selected = -1;
  std::function<void()> duringRewrite = [] {};

  void SetCaption(const std::string& text) override { caption = text; }
  void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
  int AddressCount() const override { return static_cast<int>(addresses.size()); }
  std::string AddressAt(int index) const override { return addresses.at(index); }
  void RemoveAddress(int index) override {
    addresses.erase(addresses.begin() + index);
    duringRewrite();
  }
  void InsertFirstAddress(const std::string& address) override {
    addresses.insert(addresses.begin(), address);
    duringRewrite();
  }
  void SelectFirstAddress() override {
    selected = 0;
    duringRewrite();
  }
};

class FinderLogicTest : public ::testing::Test {
 protected:
  void Load(const FinderQuery& query = {true, "Pune", "Maharashtra", "India"}) {
    logic.Load(query);
    browser.calls.clear();
  }

  // A page other than the blank one finishes loading at `url`, titled `title`.
  void Visit(const std::string& url, const std::string& title) {
    browser.locationUrl = url;
    browser.locationName = title;
    logic.DocumentComplete(true, url);
  }

  RecordingBrowser browser;
  FakeView view;
  FinderLogic logic{browser, view, kPage};
};

TEST_F(FinderLogicTest, LoadPreparesTheSearchAndOpensTheBlankPage) {
  logic.Load({true, "Pune", "Maharashtra", "India"});
  EXPECT_FALSE(logic.searchSubmitted());
  EXPECT_EQ(logic.searchQuery(), "Latitude Longitude Pune Maharashtra India");
  EXPECT_THAT(browser.calls, ElementsAre("Navigate about:blank"));
}

TEST_F(FinderLogicTest, FirstTopLevelBlankPageCarriesTheSearch) {
  Load();
  logic.DocumentComplete(true, "about:blank");
  EXPECT_TRUE(logic.searchSubmitted());
  EXPECT_THAT(browser.calls,
              ElementsAre(std::string("SetBodyHtml ") + kPage,
                          "SetElementValue q=Latitude Longitude Pune Maharashtra India",
                          "ClickElement sa"));
  // The blank page itself touches neither caption nor list.
  EXPECT_EQ(view.caption, "Tarvel v1.0");
  EXPECT_THAT(view.addresses, IsEmpty());
}

TEST_F(FinderLogicTest, SearchIsInjectedOnlyOnce) {
  Load();
  logic.DocumentComplete(true, "about:blank");
  browser.calls.clear();
  logic.DocumentComplete(true, "about:blank");
  EXPECT_THAT(browser.calls, IsEmpty());
}

TEST_F(FinderLogicTest, FrameCompletionDoesNotConsumeTheSearch) {
  Load();
  logic.DocumentComplete(false, "about:blank");
  EXPECT_FALSE(logic.searchSubmitted());
  EXPECT_THAT(browser.calls, IsEmpty());
  logic.DocumentComplete(true, "about:blank");
  EXPECT_THAT(browser.calls,
              ElementsAre(::testing::StartsWith("SetBodyHtml "),
                          ::testing::StartsWith("SetElementValue q="), "ClickElement sa"));
}

TEST_F(FinderLogicTest, FirstTopLevelPageOtherThanBlankConsumesTheSearchUnused) {
  Load();
  Visit("http://example.com/", "Example");
  EXPECT_TRUE(logic.searchSubmitted());
  browser.calls.clear();
  logic.DocumentComplete(true, "about:blank");
  EXPECT_THAT(browser.calls, IsEmpty());
}

TEST_F(FinderLogicTest, CompletedPageSetsCaptionAndHeadsTheAddressList) {
  Load();
  Visit("http://a.example/", "Page A");
  EXPECT_EQ(view.caption, "Page A");
  EXPECT_THAT(view.addresses, ElementsAre("http://a.example/"));
  EXPECT_EQ(view.selected, 0);
}

TEST_F(FinderLogicTest, AddressContainingAboutBlankIsNotListed) {
  Load();
  browser.locationName = "Frame";
  logic.DocumentComplete(false, "http://x.example/?next=about:blank");
  EXPECT_EQ(view.caption, "Tarvel v1.0");
  EXPECT_THAT(view.addresses, IsEmpty());
}

TEST_F(FinderLogicTest, RevisitedAddressMovesToTheTop) {
  Load();
  Visit("http://a.example/", "A");
  Visit("http://b.example/", "B");
  Visit("http://c.example/", "C");
  Visit("http://a.example/", "A");
  EXPECT_THAT(view.addresses,
              ElementsAre("http://a.example/", "http://c.example/", "http://b.example/"));
}

TEST_F(FinderLogicTest, ListedAddressIsTheBrowsersLocationNotTheEventsAddress) {
  Load();
  browser.locationUrl = "http://a.example/final";
  browser.locationName = "Final";
  logic.DocumentComplete(true, "http://a.example/frame");
  EXPECT_THAT(view.addresses, ElementsAre("http://a.example/final"));
}

TEST_F(FinderLogicTest, ChoosingAnAddressWhileTheListIsRewrittenDoesNotNavigate) {
  Load();
  Visit("http://a.example/", "A");
  std::vector<bool> updatingSeen;
  view.duringRewrite = [&] {
    updatingSeen.push_back(logic.addressListUpdating());
    logic.AddressChosen("http://a.example/");
  };
  Visit("http://b.example/", "B");
  EXPECT_THAT(updatingSeen, ElementsAre(true, true));
  EXPECT_THAT(browser.calls, IsEmpty());
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_FALSE(logic.addressListUpdating());
}

TEST_F(FinderLogicTest, ChoosingAnAddressStartsThePollAndNavigates) {
  Load();
  logic.AddressChosen("http://b.example/");
  EXPECT_TRUE(view.timerEnabled);
  EXPECT_THAT(browser.calls, ElementsAre("Navigate http://b.example/"));
}

TEST_F(FinderLogicTest, AFailedSearchHeadsTheAddressListSoItCanBeTriedAgain) {
  Load();
  logic.DocumentComplete(true, "about:blank");
  browser.calls.clear();
  logic.NavigateError("https://search.example/html/?q=Latitude+Longitude+Pune");
  browser.locationName = "search.example";
  logic.DownloadComplete();
  EXPECT_THAT(view.addresses,
              ElementsAre("https://search.example/html/?q=Latitude+Longitude+Pune"));
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(view.caption, "search.example");
  logic.AddressChosen(view.addresses[0]);
  EXPECT_THAT(browser.calls,
              ElementsAre("Navigate https://search.example/html/?q=Latitude+Longitude+Pune"));
}

TEST_F(FinderLogicTest, AFailedAddressMovesToTheTopOfTheList) {
  Load();
  Visit("http://a.example/", "A");
  Visit("http://b.example/", "B");
  logic.NavigateError("http://a.example/");
  EXPECT_THAT(view.addresses, ElementsAre("http://a.example/", "http://b.example/"));
}

TEST_F(FinderLogicTest, AFailedBlankPageIsNotListed) {
  Load();
  logic.NavigateError("about:blank");
  logic.NavigateError("");
  EXPECT_THAT(view.addresses, IsEmpty());
}

TEST_F(FinderLogicTest, DownloadCompleteShowsTheLocationName) {
  Load();
  browser.locationName = "Results";
  logic.DownloadComplete();
  EXPECT_EQ(view.caption, "Results");
}

struct ToolbarCase {
  FinderButton button;
  const char* call;
};

class ToolbarTest : public FinderLogicTest, public ::testing::WithParamInterface<ToolbarCase> {};

TEST_P(ToolbarTest, ButtonStartsThePollAndDrivesTheBrowser) {
  Load();
  logic.ToolbarButton(GetParam().button);
  EXPECT_TRUE(view.timerEnabled);
  EXPECT_THAT(browser.calls, ElementsAre(GetParam().call));
}

INSTANTIATE_TEST_SUITE_P(Keys, ToolbarTest,
                         ::testing::Values(ToolbarCase{FinderButton::Back, "GoBack"},
                                           ToolbarCase{FinderButton::Forward, "GoForward"},
                                           ToolbarCase{FinderButton::Refresh, "Refresh"},
                                           ToolbarCase{FinderButton::Home, "GoHome"},
                                           ToolbarCase{FinderButton::Search, "GoSearch"}));

TEST_F(FinderLogicTest, StopHaltsThePollAndShowsTheLocationName) {
  Load();
  view.timerEnabled = true;
  browser.locationName = "Half loaded";
  logic.ToolbarButton(FinderButton::Stop);
  EXPECT_FALSE(view.timerEnabled);
  EXPECT_THAT(browser.calls, ElementsAre("Stop"));
  EXPECT_EQ(view.caption, "Half loaded");
}

TEST_F(FinderLogicTest, TickWhileBusySaysWorking) {
  Load();
  view.timerEnabled = true;
  browser.busy = true;
  browser.locationName = "Old page";
  logic.TimerTick();
  EXPECT_EQ(view.caption, "Working...");
  EXPECT_TRUE(view.timerEnabled);
}

TEST_F(FinderLogicTest, TickWhenIdleStopsThePollAndShowsTheLocationName) {
  Load();
  view.timerEnabled = true;
  browser.busy = false;
  browser.locationName = "New page";
  logic.TimerTick();
  EXPECT_EQ(view.caption, "New page");
  EXPECT_FALSE(view.timerEnabled);
}

}  // namespace
}  // namespace tarvel
