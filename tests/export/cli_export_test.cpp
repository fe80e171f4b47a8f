#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "asha_state.h"
#include "document/chart_document.h"
#include "export/picture_geometry.h"
#include "poppler.h"

namespace tarvel::testing {
namespace {

// What tarvel-cli printed and returned.
struct CliProcess {
  int status = -1;
  QString out;
  QString err;
};

// Runs the real program as a user would without a desktop: no display and no Qt platform
// named, so an export must find its own way to draw.
CliProcess RunTarvelCli(const QStringList& arguments, const QString& program = TARVEL_CLI) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(name);
  }
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  CliProcess run;
  if (!process.waitForFinished(60000)) return run;
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

const QStringList kAsha = {"chart",   "--date",      "1980-03-05", "--time", "14:07",
                           "--zone",  "34",          "--lat",      "18:58N", "--lon",
                           "72:49E",  "--name",      "Asha Rao",   "--city", "Mumbai",
                           "--state", "Maharashtra", "--country",  "India"};

class CliExportTest : public ::testing::Test {
 protected:
  QString PathTo(const QString& name) const { return folder.filePath(name); }
  QTemporaryDir folder;
};

TEST_F(CliExportTest, ChartWritesAllThreeFilesWithoutADisplayAndPrintsAsBefore) {
  const CliProcess plain = RunTarvelCli(kAsha);
  ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
  const CliProcess run =
      RunTarvelCli(kAsha + QStringList{"--pdf", PathTo("a.pdf"), "--svg", PathTo("a.svg"), "--png",
                                       PathTo("a.png"), "--size", "640x480"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, plain.out);
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

  const ChartDocument document = MakeChartDocument(AshaState());
  const ToolRun text = PdfText(PathTo("a.pdf"));
  ASSERT_TRUE(text.ok);
  EXPECT_TRUE(text.out.contains("Asha Rao"));
  const QStringList lines = TextLines(text.out);
  for (const std::string& position : document.captions.lblPlanets_Position) {
    EXPECT_TRUE(text.out.contains(QString::fromStdString(position))) << position;
  }
  for (const DocumentLine& line : document.reading) {
    if (line.kind == DocumentLineKind::Entry) {
      EXPECT_TRUE(lines.contains(QString::fromStdString(line.text))) << line.text;
    }
  }
  EXPECT_EQ(QImage(PathTo("a.png")).size(), QSize(640, 480));
  EXPECT_TRUE(QSvgRenderer(PathTo("a.svg")).isValid());
}

TEST_F(CliExportTest, APictureWithoutASizeIsTwelveHundredPixelsWide) {
  const CliProcess run = RunTarvelCli(kAsha + QStringList{"--png", PathTo("a.png")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(QImage(PathTo("a.png")).size(), QSize(1200, PictureHeightFor(1200)));
  const CliProcess wide =
      RunTarvelCli(kAsha + QStringList{"--png", PathTo("b.png"), "--size", "500"});
  ASSERT_EQ(wide.status, 0) << wide.err.toStdString();
  EXPECT_EQ(QImage(PathTo("b.png")).size(), QSize(500, PictureHeightFor(500)));
}

TEST_F(CliExportTest, AFileThatCannotBeWrittenGivesOneLineAndStatusOne) {
  const QString missing = PathTo("no-such-folder/a.pdf");
  const CliProcess run = RunTarvelCli(kAsha + QStringList{"--pdf", missing});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.startsWith("tarvel-cli: cannot write '" + missing + "': "))
      << run.err.toStdString();
}

// A copy of the program without its module beside it, or where it is installed relative to
// it, cannot export, and says so.
TEST_F(CliExportTest, WithoutItsModuleTheProgramSaysItCannotExport) {
  const QString copy = PathTo("tarvel-cli");
  ASSERT_TRUE(QFile::copy(TARVEL_CLI, copy));
  const CliProcess run = RunTarvelCli(kAsha + QStringList{"--pdf", PathTo("a.pdf")}, copy);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("tarvel-cli-export.so is missing")) << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(PathTo("a.pdf")));
  EXPECT_EQ(RunTarvelCli(kAsha, copy).status, 0) << "charts need no module";
}

TEST_F(CliExportTest, BatchWritesAPdfForEachLineThatGaveAChart) {
  QFile input(PathTo("births.csv"));
  ASSERT_TRUE(input.open(QIODevice::WriteOnly));
  input.write(
      "date,time,zone,lat,lon,name\n"
      "1980-03-05,14:07,34,18:58N,72:49E,Asha Rao\n"
      "1980-13-05,14:07,34,18:58N,72:49E,Ravi\n"
      "1990-01-05,04:07,29,51:30N,0:07W,Meera Iyer\n");
  input.close();
  const CliProcess run =
      RunTarvelCli({"batch", "--jobs", "2", "--pdf-dir", PathTo("pdfs"), PathTo("births.csv")});
  EXPECT_EQ(run.status, 1) << "line 3 gives no chart";
  EXPECT_EQ(run.out.count('\n'), 3);
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  EXPECT_EQ(QDir(PathTo("pdfs")).entryList(QDir::Files),
            (QStringList{"0002-Asha-Rao.pdf", "0004-Meera-Iyer.pdf"}));
  const ToolRun text = PdfText(PathTo("pdfs/0004-Meera-Iyer.pdf"));
  ASSERT_TRUE(text.ok);
  EXPECT_TRUE(text.out.contains("Meera Iyer"));
}

}  // namespace
}  // namespace tarvel::testing
