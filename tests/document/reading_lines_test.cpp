#include "document/reading_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/argala/argala_test_support.h"

namespace tarvel {
namespace {

using testing::MakeChart;

constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kYellow{255, 255, 0};

// A line as a renderer sees it: its text and style.
struct ShownRun {
  std::string text;
  TextStyle style;
  bool operator==(const ShownRun&) const = default;
};

ShownRun Heading(const std::string& name) {
  return {name, {kCyan, true, false}};
}
ShownRun Line(const std::string& text) {
  return {text, {kYellow, false, true}};
}
ShownRun BlockEnd() {
  return {"", {kYellow, false, false}};
}

std::vector<ShownRun> Shown(const ArgalaResult& argala) {
  std::vector<ShownRun> shown;
  for (const ReadingRun& run : BuildReading(argala)) {
    ShownRun one{{}, LineStyle(LineKindOf(run.kind))};
    one.text.append(LineOfRun(run, argala));
    shown.push_back(one);
  }
  return shown;
}

ArgalaEntry Entry(ArgalaKind kind, PlanetIndex caster, PlanetIndex recipient,
                  ArgalaStrength strength, ArgalaNature nature, int house) {
  return {kind, caster, recipient, strength, nature, house};
}

TEST(ReadingTest, EmptyListsGiveNineHeadingsWithTheNoArgalaLine) {
  std::vector<ShownRun> expected;
  for (const std::string_view name : kPlanetNames) {
    expected.push_back(Heading(std::string(name)));
    expected.push_back(Line("No Argala Associated with this Planet"));
    expected.push_back(BlockEnd());
  }
  EXPECT_EQ(Shown({}), expected);
}

TEST(ReadingTest, ArgalaLinesComeBeforeVirodhargalaLines) {
  using enum ArgalaKind;
  using enum ArgalaStrength;
  using enum ArgalaNature;
  ArgalaResult argala;
  argala.argala = {Entry(Argala, Sun, Moon, Primary, Paap, 4),
                   Entry(Argala, Moon, Mercury, Primary, Shubha, 2),
                   Entry(Argala, Sun, Venus, Secondary, Paap, 7)};
  argala.virodhargala = {Entry(Virodhargala, Sun, Mars, Plain, Benefic, 1)};
  const std::vector<ShownRun> shown = Shown(argala);
  const std::vector<ShownRun> expected = {
      Heading("Sun"),
      Line("Primary Argala (Paap Argala) on Moon (House 4)"),
      Line("Secondary Argala (Paap Argala) on Venus (House 7)"),
      Line("Virodhargala (Benefic) on Mars (House 1)"),
      BlockEnd(),
      Heading("Moon"),
      Line("Primary Argala (Shubha Argala) on Mercury (House 2)"),
      BlockEnd(),
      Heading("Mercury"),
  };
  ASSERT_GE(shown.size(), expected.size());
  EXPECT_EQ(std::vector<ShownRun>(shown.begin(), shown.begin() + 9), expected);
}

TEST(ReadingTest, ChartWithoutArgalaReadsNoArgalaForEveryPlanet) {
  const ArgalaResult argala = EvaluateArgala(
      MakeChart("Can", {"Can", "Can", "Can", "Can", "Can", "Can", "Can", "Can", "Can"}));
  std::string expected;
  for (const std::string_view name : kPlanetNames) {
    expected += std::string(name) + "\r\nNo Argala Associated with this Planet\r\n\r\n";
  }
  EXPECT_EQ(ReadingText(BuildReading(argala), argala, "\r\n"), expected);
}

}  // namespace
}  // namespace tarvel
