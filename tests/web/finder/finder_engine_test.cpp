#include <QComboBox>
#include <QPointer>
#include <QTcpServer>
#include <QTest>
#include <QUrlQuery>
#include <string>

#include <gtest/gtest.h>

#include "tests/web/finder/loopback_server.h"
#include "web/finder/finder_launcher.h"

namespace tarvel {
namespace {

constexpr int kEngineWaitMs = 60000;

// Form fields arrive with spaces as '+', which QUrlQuery leaves alone.
std::string FormField(const QUrl& target, const QString& name) {
  QString query = target.query(QUrl::FullyEncoded);
  query.replace('+', "%20");
  return QUrlQuery(query).queryItemValue(name, QUrl::FullyDecoded).toStdString();
}

TEST(FinderEngineTest, BlankPageSubmitsTheSearchFormToTheService) {
  testing::LoopbackServer server("/search",
                                 "<html><head><title>Coordinates</title></head><body>"
                                 "18.52 N 73.86 E</body></html>");
  ASSERT_TRUE(server.Listening());
  const std::string base = server.BaseUrl().toStdString();
  FinderOptions options;
  options.service = {base + "/search", base + "/", base + "/logo.png"};
  FinderLauncher launcher(options);
  QPointer<frmBrowser> finder = launcher.OpenFresh({true, "Pune", "Maharashtra", "India"});

  const auto searched = [&] {
    for (const QUrl& target : server.Requests()) {
      if (target.path() == "/search") return true;
    }
    return false;
  };
  ASSERT_TRUE(QTest::qWaitFor(searched, kEngineWaitMs));
  QUrl target;
  for (const QUrl& request : server.Requests()) {
    if (request.path() == "/search") target = request;
  }
  EXPECT_EQ(FormField(target, "q"), "Latitude Longitude Pune Maharashtra India");
  EXPECT_EQ(FormField(target, "sa"), "Search");
  EXPECT_EQ(FormField(target, "forid"), "1");
  EXPECT_EQ(FormField(target, "ie"), "ISO-8859-1");
  EXPECT_EQ(FormField(target, "hl"), "en");

  // The results page then names the window and heads the address list.
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return finder->windowTitle() == "Coordinates"; }, kEngineWaitMs));
  auto* addresses = finder->findChild<QComboBox*>("cboAddress");
  ASSERT_NE(addresses, nullptr);
  ASSERT_EQ(addresses->count(), 1);
  EXPECT_TRUE(addresses->itemText(0).startsWith(QString::fromStdString(base + "/search?")));
  EXPECT_TRUE(finder->logic().searchSubmitted());

  launcher.Close();
  EXPECT_TRUE(finder.isNull());
}

// An address on 127.0.0.1 where nothing listens, so connecting to it is refused.
QString RefusingBaseUrl() {
  QTcpServer server;
  if (!server.listen(QHostAddress::LocalHost)) return {};
  return QString("http://127.0.0.1:%1").arg(server.serverPort());
}

TEST(FinderEngineTest, AFailedSearchShowsTheAddressItTriedInTheAddressBar) {
  const QString base = RefusingBaseUrl();
  ASSERT_FALSE(base.isEmpty());
  FinderOptions options;
  options.service = {(base + "/search").toStdString(), (base + "/").toStdString(),
                     (base + "/logo.png").toStdString()};
  FinderLauncher launcher(options);
  QPointer<frmBrowser> finder = launcher.OpenFresh({true, "Pune", "Maharashtra", "India"});
  auto* addresses = finder->findChild<QComboBox*>("cboAddress");
  ASSERT_NE(addresses, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return addresses->count() > 0; }, kEngineWaitMs));
  EXPECT_TRUE(addresses->itemText(0).startsWith(base + "/search?"))
      << addresses->itemText(0).toStdString();
  EXPECT_TRUE(addresses->itemText(0).contains("Pune")) << addresses->itemText(0).toStdString();
  EXPECT_EQ(addresses->currentIndex(), 0);
  launcher.Close();
}

}  // namespace
}  // namespace tarvel
