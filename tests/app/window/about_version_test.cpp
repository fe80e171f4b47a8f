#include <gtest/gtest.h>

#include <QLabel>
#include <QLayout>
#include <array>

#include "web/about/frm_about.h"
#include "web/about/mod_help.h"

namespace tarvel::testing {
namespace {

TEST(AboutVersionTest, TheVersionStandsOnALineOfItsOwnBelowTheFixedTitle) {
  const modHelp help([](std::string_view) { return true; }, {});
  frmAbout about(help);
  about.layout()->activate();
  EXPECT_EQ(about.lblVersion->text(), "Version " TARVEL_EXPECTED_VERSION);
  EXPECT_EQ(about.windowTitle(), "Tarvel v1.0");
  EXPECT_EQ(about.Label2->text(), "Tarvel v1.0");
  EXPECT_EQ(about.lblVersion->parentWidget(), &about);
  EXPECT_GE(about.lblVersion->geometry().top(), about.Label2->geometry().bottom());
  EXPECT_LE(about.lblVersion->geometry().bottom(), about.Label1->geometry().top());
}

// Each work with the licence its Debian copyright file gives.
TEST(AboutVersionTest, TheCreditsNameEachWorkAndItsLicence) {
  const modHelp help([](std::string_view) { return true; }, {});
  const frmAbout about(help);
  const std::array<std::pair<const char*, const char*>, 6> works{{{"Qt 6", "LGPL-3.0"},
                                                                  {"Swiss Ephemeris", "AGPL-3.0"},
                                                                  {"GeoNames", "CC BY 4.0"},
                                                                  {"libgeonames", "GPL-3.0"},
                                                                  {"tzdata", "public domain"},
                                                                  {"date/tz", "MIT"}}};
  for (const auto& [work, licence] : works) {
    EXPECT_TRUE(about.lblCredits->text().contains(QString("<b>%1</b> (%2)").arg(work, licence)))
        << work;
  }
  EXPECT_TRUE(about.lblCredits->text().contains("www.geonames.org"));
}

}  // namespace
}  // namespace tarvel::testing
