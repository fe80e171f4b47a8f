#include "positions/sky_settings.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

struct AyanamsaNames {
  AyanamsaKind kind;
  const char* command;
  const char* display;
};

constexpr AyanamsaNames kAyanamsas[] = {
    {AyanamsaKind::Lahiri, "lahiri", "Lahiri"},
    {AyanamsaKind::Raman, "raman", "Raman"},
    {AyanamsaKind::Krishnamurti, "krishnamurti", "Krishnamurti"},
    {AyanamsaKind::FaganBradley, "fagan-bradley", "Fagan/Bradley"},
    {AyanamsaKind::TrueChitrapaksha, "true-chitrapaksha", "True Chitrapaksha"},
    {AyanamsaKind::Yukteshwar, "yukteshwar", "Yukteshwar"},
};

TEST(SkySettingsNamesTest, EachAyanamsaHasItsNamesAndParsesBack) {
  for (const AyanamsaNames& a : kAyanamsas) {
    EXPECT_EQ(AyanamsaCommandName(a.kind), a.command);
    EXPECT_EQ(AyanamsaDisplayName(a.kind), a.display);
    EXPECT_EQ(ParseAyanamsa(a.command), a.kind) << a.command;
  }
}

TEST(SkySettingsNamesTest, ParsingIgnoresLetterCase) {
  EXPECT_EQ(ParseAyanamsa("LAHIRI"), AyanamsaKind::Lahiri);
  EXPECT_EQ(ParseAyanamsa("Fagan-Bradley"), AyanamsaKind::FaganBradley);
  EXPECT_EQ(ParseAyanamsa("True-ChitraPaksha"), AyanamsaKind::TrueChitrapaksha);
  EXPECT_EQ(ParseNode("Mean"), NodeKind::Mean);
  EXPECT_EQ(ParseNode("TRUE"), NodeKind::True);
  EXPECT_EQ(ParseSky("Swiss"), SkyKind::Swiss);
  EXPECT_EQ(ParseSky("CLASSIC"), SkyKind::Classic);
}

TEST(SkySettingsNamesTest, UnknownNamesAreRefused) {
  for (const char* name : {"", "lahir", "lahiri ", "fagan bradley", "chitrapaksha", "kp"}) {
    EXPECT_FALSE(ParseAyanamsa(name).has_value()) << '"' << name << '"';
  }
  EXPECT_FALSE(ParseNode("osculating").has_value());
  EXPECT_FALSE(ParseNode("").has_value());
  EXPECT_FALSE(ParseSky("swiss-ephemeris").has_value());
  EXPECT_FALSE(ParseSky("").has_value());
}

TEST(SkySettingsNamesTest, NodeAndSkyNames) {
  EXPECT_EQ(NodeName(NodeKind::Mean), "mean");
  EXPECT_EQ(NodeName(NodeKind::True), "true");
  EXPECT_EQ(SkyCommandName(SkyKind::Classic), "classic");
  EXPECT_EQ(SkyCommandName(SkyKind::Swiss), "swiss");
}

TEST(SkyLabelTest, SaysWhichEphemerisAyanamsaAndNode) {
  struct Case {
    SkySettings settings;
    SkyEphemeris ephemeris;
    const char* label;
  };
  const Case cases[] = {
      {{SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean},
       SkyEphemeris::SwissFiles,
       "Swiss Ephemeris, Lahiri ayanamsa, mean node"},
      {{SkyKind::Swiss, AyanamsaKind::FaganBradley, NodeKind::True},
       SkyEphemeris::SwissFiles,
       "Swiss Ephemeris, Fagan/Bradley ayanamsa, true node"},
      {{SkyKind::Swiss, AyanamsaKind::Raman, NodeKind::True},
       SkyEphemeris::Moshier,
       "Moshier ephemeris, Raman ayanamsa, true node"},
      {{SkyKind::Classic, AyanamsaKind::Yukteshwar, NodeKind::True},
       SkyEphemeris::ClassicFormulas,
       "Classic formulas"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SkyLabel(c.settings, c.ephemeris), c.label);
  }
}

}  // namespace
}  // namespace tarvel
