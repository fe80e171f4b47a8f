#include "web/finder/finder_process.h"

#include <signal.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>
#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/web/finder/loopback_server.h"

namespace tarvel {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

constexpr int kWaitMs = 30000;
constexpr int kEngineWaitMs = 60000;

// A stand-in finder program: it writes its arguments and its process number beside itself,
// then reads its input until the input ends, as the finder does.
constexpr const char* kStandIn =
    "#!/bin/sh\n"
    "printf '%s\\n' \"$@\" > \"$0.arguments\"\n"
    "echo $$ > \"$0.pid\"\n"
    "exec cat > /dev/null\n";

class FinderProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(kStandIn);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  // The lines the stand-in wrote beside itself, once it has written them.
  QStringList Written(const QString& suffix) const {
    QFile file(program + suffix);
    if (!QTest::qWaitFor([&] { return file.exists() && file.size() > 0; }, kWaitMs)) return {};
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  }

  void Forget(const QString& suffix) const { QFile::remove(program + suffix); }

  QTemporaryDir folder;
  QString program = folder.filePath("tarvel-finder");
};

std::vector<std::string> Texts(const QStringList& lines) {
  std::vector<std::string> texts;
  for (const QString& line : lines) texts.push_back(line.toStdString());
  return texts;
}

bool ProcessGone(const QString& pid) {
  return ::kill(pid.toInt(), 0) != 0;
}

TEST_F(FinderProcessTest, OpeningStartsTheProgramWithTheQueryAndClosingEndsItsInput) {
  FinderProcess finder(program);
  ASSERT_EQ(finder.OpenFresh({true, "St Louis 2", "Missouri", "USA"}), std::nullopt);
  EXPECT_THAT(Texts(Written(".arguments")),
              ElementsAre("--search", "--city=St Louis 2", "--state=Missouri", "--country=USA"));
  const QStringList pid = Written(".pid");
  ASSERT_EQ(pid.size(), 1);
  EXPECT_EQ(finder.Running(), 1);
  finder.Close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return finder.Running() == 0; }, kWaitMs));
  EXPECT_TRUE(ProcessGone(pid[0]));
}

TEST_F(FinderProcessTest, EachSearchGetsAFreshFinderAndTheOldOneCloses) {
  FinderProcess finder(program);
  ASSERT_EQ(finder.OpenFresh({true, "Pune", "Maharashtra", "India"}), std::nullopt);
  const QStringList first = Written(".pid");
  ASSERT_EQ(first.size(), 1);
  Forget(".pid");
  Forget(".arguments");
  ASSERT_EQ(finder.OpenFresh({true, "Austin", "Texas", "USA"}), std::nullopt);
  const QStringList second = Written(".pid");
  ASSERT_EQ(second.size(), 1);
  EXPECT_NE(first, second);
  EXPECT_THAT(Texts(Written(".arguments")),
              ElementsAre("--search", "--city=Austin", "--state=Texas", "--country=USA"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return finder.Running() == 1; }, kWaitMs));
  EXPECT_TRUE(ProcessGone(first[0]));
  EXPECT_FALSE(ProcessGone(second[0]));
}

TEST_F(FinderProcessTest, TheWindowsGoingClosesEveryFinder) {
  auto finder = std::make_unique<FinderProcess>(program);
  ASSERT_EQ(finder->OpenFresh({true, "Pune", "Maharashtra", "India"}), std::nullopt);
  const QStringList pid = Written(".pid");
  ASSERT_EQ(pid.size(), 1);
  finder.reset();
  EXPECT_TRUE(ProcessGone(pid[0]));
}

TEST_F(FinderProcessTest, AProgramThatCannotStartIsReported) {
  FinderProcess finder(folder.filePath("missing/tarvel-finder"));
  const auto error = finder.OpenFresh({true, "Pune", "Maharashtra", "India"});
  ASSERT_TRUE(error.has_value());
  EXPECT_THAT(*error, StartsWith("The latitude and longitude finder could not be started: "));
  EXPECT_EQ(finder.Running(), 0);
}

TEST(FindFinderProgramTest, BesideTheProgramFirstThenInTheInstalledFolder) {
  struct Case {
    QStringList files;  ///< the executable ones under the folder
    QString found;
  };
  const Case cases[] = {
      {{"bin/tarvel-finder", "libexec/tarvel/tarvel-finder"}, "bin/tarvel-finder"},
      {{"bin/tarvel", "libexec/tarvel/tarvel-finder"}, "libexec/tarvel/tarvel-finder"},
      {{"bin/tarvel-finder/inside"}, "bin/tarvel-finder"},  // a folder is no program
  };
  for (const Case& test : cases) {
    QTemporaryDir folder;
    for (const QString& name : test.files) {
      QDir().mkpath(QFileInfo(folder.filePath(name)).path());
      QFile file(folder.filePath(name));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    EXPECT_EQ(FindFinderProgram(folder.filePath("bin"), "../libexec/tarvel"),
              folder.filePath(test.found))
        << test.found.toStdString();
  }
}

// The real finder program, its web engine headless, submitting its search to 127.0.0.1.
TEST(FinderProgramTest, TheFinderProgramSearchesAndClosesWhenTold) {
  testing::LoopbackServer server("/search",
                                 "<html><head><title>Coordinates</title></head><body>"
                                 "18.52 N 73.86 E</body></html>");
  ASSERT_TRUE(server.Listening());
  const std::string base = server.BaseUrl().toStdString();
  FinderProcess finder(TARVEL_FINDER_PROGRAM, {base + "/search", base + "/", base + "/logo.png"});
  ASSERT_EQ(finder.OpenFresh({true, "St Louis 2", "Missouri", "USA"}), std::nullopt);
  QUrl search;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        for (const QUrl& target : server.Requests()) {
          if (target.path() == "/search") search = target;
        }
        return !search.isEmpty();
      },
      kEngineWaitMs));
  QString query = search.query(QUrl::FullyEncoded);
  query.replace('+', "%20");
  EXPECT_EQ(QUrlQuery(query).queryItemValue("q", QUrl::FullyDecoded),
            "Latitude Longitude St Louis 2 Missouri USA");
  finder.Close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return finder.Running() == 0; }, kEngineWaitMs));
}

}  // namespace
}  // namespace tarvel
