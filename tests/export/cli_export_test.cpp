#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPolygonF>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

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

// With --dasha a PDF prints after the synthesis the periods the text prints, marked alike.
TEST_F(CliExportTest, APdfWithTheDashaPrintsThePeriodsTheTextGives) {
  const QStringList periods = {"--dasha", "--on", "1990-01-01", "--pdf"};
  const CliProcess text = RunTarvelCli(kAsha + periods.mid(0, 3));
  ASSERT_EQ(RunTarvelCli(kAsha + periods + QStringList{PathTo("d.pdf")}).status, 0);
  ASSERT_EQ(RunTarvelCli(kAsha + QStringList{"--pdf", PathTo("plain.pdf")}).status, 0);
  const QString pdf = PdfText(PathTo("d.pdf")).out.simplified();
  EXPECT_GT(pdf.indexOf("Vimshottari Periods"), pdf.indexOf("Argala Summary"));
  EXPECT_FALSE(PdfText(PathTo("plain.pdf")).out.contains("Vimshottari Periods"));
  const QStringList running = TextLines(text.out).filter(QRegularExpression("^▶"));
  ASSERT_EQ(running.size(), 2) << text.out.toStdString();
  for (const QString& line : running) {
    EXPECT_TRUE(pdf.contains(line.simplified())) << line.toStdString();
  }
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

// A drawing's texts, a point inside the first letter of each, and its square (a square rect).
struct SvgDrawing {
  QRectF square;
  QStringList texts;
  std::vector<QPointF> at;
};

SvgDrawing ReadSvg(const QString& path) {
  QFile file(path);
  SvgDrawing drawing;
  if (!file.open(QIODevice::ReadOnly)) return drawing;
  QXmlStreamReader xml(&file);
  const auto number = [&xml](const char* name) { return xml.attributes().value(name).toDouble(); };
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (xml.isStartElement() && xml.name() == u"rect" && number("width") == number("height")) {
      drawing.square = QRectF(number("x"), number("y"), number("width"), number("height"));
    } else if (xml.isStartElement() && xml.name() == u"text") {
      const double size = number("font-size");
      drawing.at.emplace_back(number("x") + 0.3 * size, number("y") - 0.35 * size);
      drawing.texts << xml.readElementText().trimmed();
    }
  }
  return drawing;
}

// Whether the square holds `item`, a sign number or an item of a box ("S" in "S / Me"), within
// `cell`, given in fractions of the square's side.
bool DrawnWithin(const SvgDrawing& drawing, const QString& item, const QPolygonF& cell) {
  const QRectF& square = drawing.square;
  for (std::size_t index = 0; index < drawing.at.size(); ++index) {
    const QPointF at = drawing.at[index];
    const QPointF unit((at - square.topLeft()).x() / square.width(),
                       (at - square.topLeft()).y() / square.height());
    const QStringList items = drawing.texts[index].split(" /").replaceInStrings(" ", "");
    if (items.contains(item) && square.contains(at) && cell.containsPoint(unit, Qt::OddEvenFill))
      return true;
  }
  return false;
}

// Born 1 January 1980 at 11:05 in Mumbai: the Sun stands near 16 degrees of sidereal
// Sagittarius (tropical 10 degrees of Capricorn less the ayanamsa's 23.5); after the 07:12
// sunrise the rest of Sagittarius and Capricorn rise in about three hours, so Aquarius rises
// from about 10:15 to 12:00.
const QStringList kAquariusRising = {"chart", "--date", "1980-01-01", "--time", "11:05", "--zone",
                                     "34",    "--lat",  "18:58N",     "--lon",  "72:49E"};

struct StyledPlace {
  std::string_view style;
  const char* item;
  QPolygonF cell;
};

TEST_F(CliExportTest, NorthAndEastIndianDrawingsPutHousesAndSignsInTheirPlaces) {
  const QPolygonF topDiamond({{0.5, 0}, {0.75, 0.25}, {0.5, 0.5}, {0.25, 0.25}});
  const QPolygonF eleventhHouse({{1, 0}, {0.75, 0.25}, {1, 0.5}});
  const QPolygonF secondHouse({{0, 0}, {0.5, 0}, {0.25, 0.25}});
  const double third = 1.0 / 3;
  const QPolygonF aries({{third, 0}, {2 * third, 0}, {2 * third, third}, {third, third}});
  const QPolygonF aquarius({{1, 0}, {1, third}, {2 * third, third}});
  const QPolygonF sagittarius({{1, 1}, {2 * third, 2 * third}, {1, 2 * third}});
  const StyledPlace places[] = {
      {"north", "11", topDiamond},   {"north", "Asc", topDiamond}, {"north", "9", eleventhHouse},
      {"north", "S", eleventhHouse}, {"north", "12", secondHouse}, {"east", "1", aries},
      {"east", "11", aquarius},      {"east", "Asc", aquarius},    {"east", "9", sagittarius},
      {"east", "S", sagittarius},
  };
  const QStringList planets = {"S", "Mo", "Me", "V", "Ma", "J", "Sa", "NN", "SN"};
  const QStringList legend = {"S/Sun/Surya",     "Mo/Moon/Chandra", "Me/Mercury/Budha",
                              "V/Venus/Shukra",  "Ma/Mars/Mangala", "J/Jupiter/Guru",
                              "Sa/Saturn/Shani", "NN/N Node/Rahu",  "SN/S Node/Ketu"};
  for (const char* style : {"north", "east"}) {
    const QString svg = PathTo(QString(style) + ".svg");
    const CliProcess run =
        RunTarvelCli(kAquariusRising + QStringList{"--style", style, "--svg", svg});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    ASSERT_TRUE(QSvgRenderer(svg).isValid()) << style;
    const SvgDrawing drawing = ReadSvg(svg);
    for (const StyledPlace& place : places) {
      if (place.style != style) continue;
      EXPECT_TRUE(DrawnWithin(drawing, place.item, place.cell)) << style << " " << place.item;
    }
    for (int planet = 0; planet < planets.size(); ++planet) {
      EXPECT_TRUE(DrawnWithin(drawing, planets[planet], QRectF(0, 0, 1, 1))) << style << planet;
      EXPECT_TRUE(drawing.texts.contains(legend[planet])) << style << planet;
    }
  }
}

}  // namespace
}  // namespace tarvel::testing
