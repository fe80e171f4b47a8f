#include <gtest/gtest.h>

#include <QLabel>
#include <QLayout>

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

// Each work with the licence its Debian copyright file gives; Tarvel's own is LICENSE's.
TEST(AboutVersionTest, TheCreditsNameEachWorkAndItsLicence) {
  const modHelp help([](std::string_view) { return true; }, {});
  const frmAbout about(help);
  for (const char* licence :
       {"<b>Tarvel " TARVEL_EXPECTED_VERSION "</b> is free software",
        "GNU Affero General Public License", "version 3 or any later", "WITHOUT ANY WARRANTY"}) {
    EXPECT_TRUE(about.lblLicence->text().contains(licence)) << licence;
  }
  for (const char* credit :
       {"<b>Qt 6</b> (LGPL-3.0)", "<b>Swiss Ephemeris</b> (AGPL-3.0)",
        "<b>GeoNames</b> (CC BY 4.0)", "<b>libgeonames</b> (GPL-3.0)",
        "<b>tzdata</b> (public domain)", "<b>date/tz</b> (MIT)", "www.geonames.org"}) {
    EXPECT_TRUE(about.lblCredits->text().contains(credit)) << credit;
  }
}

}  // namespace
}  // namespace tarvel::testing
