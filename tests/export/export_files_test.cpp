#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "../argala/argala_test_support.h"
#include "export/chart_picture.h"
#include "export/export_files.h"
#include "export_test_support.h"
#include "poppler.h"

namespace tarvel::testing {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// True when the picture has more than one colour: something was drawn on the ground.
bool HasDrawing(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height() && colours.size() < 2; y += 3) {
    for (int x = 0; x < image.width() && colours.size() < 2; x += 3)
      colours.insert(image.pixel(x, y));
  }
  return colours.size() > 1;
}

class ExportFilesTest : public ::testing::Test {
 protected:
  QString PathTo(const QString& name) const { return folder.filePath(name); }
  QTemporaryDir folder;
};

TEST_F(ExportFilesTest, ThePdfHoldsTheNameEveryPositionAndEveryReadingLine) {
  const ChartDocument document = MakeChartDocument(AshaState());
  const QString pdf = PathTo("asha.pdf");
  ASSERT_EQ(WritePdf(pdf, document), std::nullopt);
  const ToolRun text = PdfText(pdf);
  ASSERT_TRUE(text.ok) << "pdftotext could not read the PDF";
  const QStringList lines = TextLines(text.out);
  EXPECT_TRUE(text.out.contains("Asha Rao"));
  EXPECT_TRUE(text.out.contains(Q(document.header.birth)));
  EXPECT_TRUE(text.out.contains("Classic formulas"));
  for (const std::string& position : document.captions.lblPlanets_Position) {
    EXPECT_TRUE(text.out.contains(Q(position))) << position;
  }
  for (const DocumentLine& line : document.reading) {
    if (line.kind != DocumentLineKind::Blank) {
      EXPECT_TRUE(lines.contains(Q(line.text))) << line.text;
    }
  }
}

// The worked chart's synthesis follows its reading: the Sun (house 1) and house 7 (Libra).
TEST_F(ExportFilesTest, ThePdfEndsWithTheArgalaSummary) {
  ChartState state;
  state.Chart.signs = WorkedChart();
  state.Chart.argala = EvaluateArgala(state.Chart.signs);
  state.Chart.summary = SummariseArgala(state.Chart.signs);
  ASSERT_EQ(WritePdf(PathTo("worked.pdf"), MakeChartDocument(state)), std::nullopt);
  const QStringList lines = TextLines(PdfText(PathTo("worked.pdf")).out);
  qsizetype from = 0;
  for (const char* line :
       {"Argala Summary", "Sun (house 1)",
        "Moon from the 2nd: Primary Argala — Obstructed (Venus and S Node from the 12th)",
        "House 7 (Libra)", "Moon from the 8th: Secondary Argala — Unobstructed"}) {
    from = lines.indexOf(QString::fromUtf8(line), from);
    ASSERT_GE(from, 0) << line;
  }
}

// Each page renders, and each reading line stands whole on exactly one page: counted over the
// pages, a line appears as often as the reading has it (some lines repeat between planets).
TEST_F(ExportFilesTest, ALongReadingBreaksCleanlyAcrossPages) {
  const ChartDocument document = MakeChartDocument(LongestReadingState());
  const QString pdf = PathTo("long.pdf");
  ASSERT_EQ(WritePdf(pdf, document), std::nullopt);
  const int pages = PdfPageCount(pdf);
  ASSERT_GT(pages, 1);
  QMap<QString, int> onPages;
  for (int page = 1; page <= pages; ++page) {
    const ToolRun text = PdfText(pdf, page);
    ASSERT_TRUE(text.ok) << "page " << page;
    for (const QString& line : TextLines(text.out)) ++onPages[line];
  }
  QMap<QString, int> inReading;
  for (const DocumentLine& line : document.reading) {
    if (line.kind == DocumentLineKind::Entry) ++inReading[Q(line.text)];
  }
  for (auto line = inReading.cbegin(); line != inReading.cend(); ++line) {
    EXPECT_EQ(onPages.value(line.key()), line.value()) << line.key().toStdString();
  }
  ASSERT_TRUE(RunTool("pdftoppm", {"-r", "24", "-png", pdf, PathTo("page")}).ok);
  const QStringList rendered = QDir(folder.path()).entryList({"page*.png"}, QDir::Files);
  ASSERT_EQ(rendered.size(), pages);
  for (const QString& name : rendered) {
    const QImage image(PathTo(name));
    ASSERT_FALSE(image.isNull()) << name.toStdString();
    EXPECT_TRUE(HasDrawing(image)) << name.toStdString();
  }
}

TEST_F(ExportFilesTest, TheSvgLoadsAndKeepsItsTexts) {
  const ChartDocument document = MakeChartDocument(AshaState());
  const QString svg = PathTo("asha.svg");
  ASSERT_EQ(WriteSvg(svg, document, {800, PictureHeightFor(800)}), std::nullopt);
  QSvgRenderer renderer(svg);
  EXPECT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 800, PictureHeightFor(800)));
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.contains("Asha Rao"));
  for (const std::string& position : document.captions.lblPlanets_Position) {
    EXPECT_TRUE(text.contains(Q(position))) << position;
  }
}

TEST_F(ExportFilesTest, ThePngHasTheAskedSizeAndADrawing) {
  const ChartDocument document = MakeChartDocument(AshaState());
  for (const QSize size : {QSize(640, 480), QSize(300, 900), QSize(1200, PictureHeightFor(1200))}) {
    const QString png = PathTo(QString("chart-%1x%2.png").arg(size.width()).arg(size.height()));
    ASSERT_EQ(WritePng(png, document, size), std::nullopt);
    const QImage image(png);
    EXPECT_EQ(image.size(), size);
    EXPECT_TRUE(HasDrawing(image)) << png.toStdString();
  }
}

TEST_F(ExportFilesTest, ThePictureKindFollowsTheSuffix) {
  const ChartDocument document = MakeChartDocument(AshaState());
  ASSERT_EQ(WritePicture(PathTo("a.SVG"), document, {400, 400}), std::nullopt);
  ASSERT_EQ(WritePicture(PathTo("a.png"), document, {400, 400}), std::nullopt);
  EXPECT_TRUE(QSvgRenderer(PathTo("a.SVG")).isValid());
  EXPECT_FALSE(QImage(PathTo("a.png")).isNull());
  EXPECT_TRUE(IsSvgPath("x.Svg"));
  EXPECT_FALSE(IsSvgPath("svg.png"));
}

TEST_F(ExportFilesTest, AFailureGivesItsReasonAndLeavesNoFile) {
  const ChartDocument document = MakeChartDocument(AshaState());
  const QString missing = PathTo("no-such-folder/chart");
  EXPECT_NE(WritePdf(missing + ".pdf", document), std::nullopt);
  EXPECT_NE(WritePng(missing + ".png", document, {100, 100}), std::nullopt);
  EXPECT_NE(WriteSvg(missing + ".svg", document, {100, 100}), std::nullopt);
  EXPECT_FALSE(QFile::exists(missing + ".pdf"));
  // A folder is no file to write; a size out of range is refused before any writing.
  EXPECT_NE(WritePdf(folder.path(), document), std::nullopt);
  const QString kept = PathTo("kept.png");
  ASSERT_EQ(WritePng(kept, document, {50, 50}), std::nullopt);
  EXPECT_NE(WritePng(kept, document, {0, 50}), std::nullopt);
  EXPECT_NE(WritePng(kept, document, {kMaxPictureSidePx + 1, 50}), std::nullopt);
  EXPECT_EQ(QImage(kept).size(), QSize(50, 50));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.png"});
}

}  // namespace
}  // namespace tarvel::testing
