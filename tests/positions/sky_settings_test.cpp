#include "positions/sky_settings.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(SkySettingsNamesTest, EachAyanamsaHasItsNamesAndParsesBackInAnyCase) {
  struct Case {
    AyanamsaKind kind;
    const char *command, *display, *shouted;
  };
  const Case cases[] = {
      {AyanamsaKind::Lahiri, "lahiri", "Lahiri", "LAHIRI"},
      {AyanamsaKind::Raman, "raman", "Raman", "Raman"},
      {AyanamsaKind::Krishnamurti, "krishnamurti", "Krishnamurti", "KrishnaMurti"},
      {AyanamsaKind::FaganBradley, "fagan-bradley", "Fagan/Bradley", "Fagan-Bradley"},
      {AyanamsaKind::TrueChitrapaksha, "true-chitrapaksha", "True Chitrapaksha",
       "TRUE-chitrapaksha"},
      {AyanamsaKind::Yukteshwar, "yukteshwar", "Yukteshwar", "YUKTESHWAR"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AyanamsaCommandName(c.kind), c.command);
    EXPECT_EQ(AyanamsaDisplayName(c.kind), c.display);
    EXPECT_EQ(ParseAyanamsa(c.command), c.kind);
    EXPECT_EQ(ParseAyanamsa(c.shouted), c.kind);
  }
  for (const char* unknown : {"", "lahir", "lahiri ", "fagan bradley", "Fagan/Bradley", "kp"}) {
    EXPECT_FALSE(ParseAyanamsa(unknown).has_value()) << '"' << unknown << '"';
  }
}

TEST(SkySettingsNamesTest, NodeAndSkyNamesParseBackInAnyCase) {
  EXPECT_EQ(NodeName(NodeKind::Mean), "mean");
  EXPECT_EQ(NodeName(NodeKind::True), "true");
  EXPECT_EQ(ParseNode("Mean"), NodeKind::Mean);
  EXPECT_EQ(ParseNode("TRUE"), NodeKind::True);
  EXPECT_FALSE(ParseNode("osculating").has_value());
  EXPECT_EQ(SkyCommandName(SkyKind::Classic), "classic");
  EXPECT_EQ(SkyCommandName(SkyKind::Swiss), "swiss");
  EXPECT_EQ(ParseSky("Swiss"), SkyKind::Swiss);
  EXPECT_EQ(ParseSky("CLASSIC"), SkyKind::Classic);
  EXPECT_FALSE(ParseSky("").has_value());
}

TEST(SkyLabelTest, SaysWhichEphemerisAyanamsaAndNode) {
  const SkySettings lahiriMean{SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean};
  const SkySettings faganTrue{SkyKind::Swiss, AyanamsaKind::FaganBradley, NodeKind::True};
  EXPECT_EQ(SkyLabel(lahiriMean, SkyEphemeris::SwissFiles),
            "Swiss Ephemeris, Lahiri ayanamsa, mean node");
  EXPECT_EQ(SkyLabel(faganTrue, SkyEphemeris::SwissFiles),
            "Swiss Ephemeris, Fagan/Bradley ayanamsa, true node");
  EXPECT_EQ(SkyLabel(faganTrue, SkyEphemeris::Moshier),
            "Moshier ephemeris, Fagan/Bradley ayanamsa, true node");
  EXPECT_EQ(SkyLabel(SkySettings{}, SkyEphemeris::ClassicFormulas), "Classic formulas");
}

}  // namespace
}  // namespace tarvel
