#include "web/finder/finder_arguments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tarvel {
namespace {

using ::testing::ElementsAre;

TEST(FinderArgumentsTest, TheWindowsQueryGoesAsOptionsWithGluedValues) {
  const FinderStart start{{true, "Pune", "Maharashtra", "India"}};
  EXPECT_THAT(FinderArguments(start),
              ElementsAre("--search", "--city=Pune", "--state=Maharashtra", "--country=India"));
}

TEST(FinderArgumentsTest, EveryStartComesBackAsItWent) {
  const FinderStart starts[] = {
      {{true, "Pune", "Maharashtra", "India"}},
      {{false, "Pune", "Maharashtra", "India"}},
      {{true, " ", "", ""}},
      {{true, "--state=Goa", "-x", "a=b"}},
      {{true, "St Louis 2", "O'Brien \"quoted\"", "\u0160koda \u20AC"}},
      {{true, "Austin", "Texas", "USA"}, {"http://127.0.0.1:9/find", "http://127.0.0.1:9/", ""}},
  };
  for (const FinderStart& start : starts) {
    EXPECT_EQ(ParseFinderArguments(FinderArguments(start)),
              (std::variant<FinderStart, std::string>(start)))
        << start.query.city;
  }
}

TEST(FinderArgumentsTest, AnUnknownArgumentIsNamed) {
  for (const char* argument : {"--town=Pune", "Pune", "--city", "--search=yes", ""}) {
    EXPECT_EQ(ParseFinderArguments({"--search", argument}),
              (std::variant<FinderStart, std::string>("unknown argument '" + std::string(argument) +
                                                      "'")))
        << argument;
  }
}

}  // namespace
}  // namespace tarvel
