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

}  // namespace
}  // namespace tarvel::testing
