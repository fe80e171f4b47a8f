#include "window_fixture.h"

namespace tarvel::testing {
namespace {

class FinderButtonTest : public WindowTest {
 protected:
  FinderButtonTest() {
    window.SetFinderHooks({[this] { ++finderOpened; }, [this] { ++finderUnloaded; }});
  }
  int finderOpened = 0;
  int finderUnloaded = 0;
};

struct PlaceCase {
  const char* city;
  const char* state;
  const char* country;
  const char* message;
  FormField focus;
};

constexpr std::array<PlaceCase, 4> kMissingPlaces{{
    {"", "", "", "Please Enter City", FormField::txtCity},
    {"", "Goa", "India", "Please Enter City", FormField::txtCity},
    {"Panaji", "", "India", "Please Enter State", FormField::txtState},
    {"Panaji", "Goa", "", "Please Enter Country", FormField::txtCountry},
}};

TEST_F(FinderButtonTest, AMissingPlaceIsReportedAndNothingOpens) {
  for (const PlaceCase& place : kMissingPlaces) {
    sink.messages.clear();
    in.txtCity->setText(place.city);
    in.txtState->setText(place.state);
    in.txtCountry->setText(place.country);
    in.txtName->setFocus();
    in.Command1->click();
    EXPECT_EQ(sink.messages, (std::vector<ShownMessage>{{place.message, MessageIcon::Error}}));
    EXPECT_EQ(window.focusWidget(), TextBox(in, place.focus)) << place.message;
  }
  EXPECT_FALSE(window.bMaleSearch);
  EXPECT_EQ(finderOpened, 0);
}

TEST_F(FinderButtonTest, AFilledPlaceOpensTheFinderEvenIfItIsASpace) {
  in.txtCity->setText(" ");
  in.txtState->setText("Goa");
  in.txtCountry->setText("India");
  in.Command1->click();
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_TRUE(window.bMaleSearch);
  EXPECT_EQ(finderOpened, 1);
  in.Command1->click();
  EXPECT_EQ(finderOpened, 2);
  // Once set, the flag stays even when a later search is refused.
  in.txtCity->clear();
  in.Command1->click();
  EXPECT_TRUE(window.bMaleSearch);
  EXPECT_EQ(finderOpened, 2);
}

TEST_F(FinderButtonTest, ClosingTheWindowUnloadsTheFinder) {
  window.Menu().mnuExit->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(finderUnloaded, 1);
}

TEST_F(WindowTest, WithoutAFinderTheButtonStillSetsTheFlag) {
  FillRequiredBoxes();
  in.Command1->click();
  EXPECT_TRUE(window.bMaleSearch);
  EXPECT_TRUE(sink.messages.empty());
  window.close();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tarvel::testing
