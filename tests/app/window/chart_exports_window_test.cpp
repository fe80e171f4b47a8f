#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <utility>

#include "../../export/poppler.h"
#include "app/window/chart_exports.h"
#include "document/chart_document.h"
#include "export/picture_geometry.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

/// Prints to a PDF file instead of showing the print dialog.
class PdfPrinter : public ChartPrinter {
 public:
  explicit PdfPrinter(QString path) : path_(std::move(path)) {}
  std::optional<std::string> Print(const QString& title, const PagePainter& paint) override {
    titles.push_back(title);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path_);
    return paint(printer);
  }
  std::vector<QString> titles;

 private:
  QString path_;
};

class ChartExportsWindowTest : public WindowTest {
 protected:
  ChartExportsWindowTest() { window.SetFileChooser(chooser); }

  void Calculate() {
    FillRequiredBoxes();
    in.cmdCalculate->click();
    ASSERT_EQ(window.FrontView(), out.Frame2);
  }
  std::vector<QAction*> ChartCommands() const {
    const MenuActions& menu = window.Menu();
    return {menu.mnuPrint, menu.mnuExportPdf, menu.mnuExportImage};
  }
  QString PathTo(const QString& name) const { return folder.filePath(name); }

  FakeChooser chooser;
  QTemporaryDir folder;
};

TEST_F(ChartExportsWindowTest, PrintAndExportAreOpenOnlyWhileAChartIsOnShow) {
  const MenuActions& menu = window.Menu();
  EXPECT_EQ(menu.mnuPrint->text(), "&Print...");
  EXPECT_EQ(menu.mnuPrint->shortcut(), QKeySequence(QKeySequence::Print));
  EXPECT_EQ(menu.mnuExportPdf->text(), "Export P&DF...");
  EXPECT_EQ(menu.mnuExportImage->text(), "Export &Image...");
  for (QAction* action : ChartCommands()) EXPECT_FALSE(action->isEnabled());
  Calculate();
  for (QAction* action : ChartCommands()) EXPECT_TRUE(action->isEnabled());
  out.cmdBack->click();
  for (QAction* action : ChartCommands()) EXPECT_FALSE(action->isEnabled());
}

TEST_F(ChartExportsWindowTest, TheResultViewShowsWhoseChartItIs) {
  Calculate();
  // The form's first entries: 1 January 1900, 00:00, the first zone of the list.
  EXPECT_EQ(out.lblHeader->text().toStdString(),
            "Asha Rao · Born 1 January 1900 at 00:00, Alaska/Hawaii Daylight Time,AHDT,9.0: "
            "UTC-09:00 · "
            "Bengaluru, Karnataka, India, 12°58' N, 77°35' E");
}

TEST_F(ChartExportsWindowTest, ExportPdfWritesTheChartAndItsReading) {
  Calculate();
  chooser.answer = PathTo("asha.pdf");
  window.Menu().mnuExportPdf->trigger();
  ASSERT_EQ(chooser.saveRequests.size(), 1u);
  EXPECT_EQ(chooser.saveRequests[0].title, "Export PDF");
  EXPECT_EQ(chooser.saveRequests[0].initialName, "Asha-Rao.pdf");
  EXPECT_EQ(chooser.saveRequests[0].defaultSuffix, "pdf");
  EXPECT_TRUE(sink.messages.empty());
  const ToolRun text = PdfText(PathTo("asha.pdf"));
  ASSERT_TRUE(text.ok);
  EXPECT_TRUE(text.out.contains("Asha Rao"));
  for (const std::string& position : ShownCaptions(*out.chart).lblPlanets_Position) {
    EXPECT_TRUE(text.out.contains(QString::fromStdString(position))) << position;
  }
  EXPECT_TRUE(text.out.contains(out.RTB->toPlainText().section('\n', 1, 1)));
}

TEST_F(ChartExportsWindowTest, ExportImageTakesItsFormatFromTheFileType) {
  Calculate();
  chooser.answer = PathTo("asha.svg");
  window.Menu().mnuExportImage->trigger();
  chooser.answer = PathTo("asha.png");
  window.Menu().mnuExportImage->trigger();
  ASSERT_EQ(chooser.saveRequests.size(), 2u);
  EXPECT_EQ(chooser.saveRequests[0].title, "Export Image");
  EXPECT_EQ(chooser.saveRequests[0].nameFilter, "PNG image (*.png);;SVG drawing (*.svg)");
  EXPECT_TRUE(QSvgRenderer(PathTo("asha.svg")).isValid());
  EXPECT_EQ(QImage(PathTo("asha.png")).size(),
            QSize(kDefaultPictureWidthPx, PictureHeightFor(kDefaultPictureWidthPx)));
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ChartExportsWindowTest, CancellingWritesNothingAndSaysNothing) {
  Calculate();
  window.Menu().mnuExportPdf->trigger();
  window.Menu().mnuExportImage->trigger();
  EXPECT_EQ(chooser.saveRequests.size(), 2u);
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ChartExportsWindowTest, AFileThatCannotBeWrittenIsToldInOneMessage) {
  Calculate();
  const QString missing = PathTo("no-such-folder/asha.pdf");
  chooser.answer = missing;
  window.Menu().mnuExportPdf->trigger();
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);
  EXPECT_TRUE(
      QString::fromStdString(sink.messages[0].text).startsWith("Could not write " + missing))
      << sink.messages[0].text;
}

TEST_F(ChartExportsWindowTest, PrintDrawsThePagesOnThePrinter) {
  PdfPrinter printer(PathTo("printed.pdf"));
  window.SetChartPrinter(printer);
  Calculate();
  window.Menu().mnuPrint->trigger();
  EXPECT_EQ(printer.titles, std::vector<QString>{"Tarvel: Asha Rao"});
  EXPECT_TRUE(sink.messages.empty());
  const ToolRun text = PdfText(PathTo("printed.pdf"));
  ASSERT_TRUE(text.ok);
  EXPECT_TRUE(text.out.contains("Asha Rao"));
  for (const QString& line : out.RTB->toPlainText().split('\n', Qt::SkipEmptyParts)) {
    EXPECT_TRUE(text.out.contains(line)) << line.toStdString();
  }
}

// A divisional chart's pages say which chart they are; the Rasi chart's stay as they were.
TEST_F(ChartExportsWindowTest, APrintoutPdfAndSvgOfTheNavamsaNameIt) {
  PdfPrinter printer(PathTo("printed.pdf"));
  window.SetChartPrinter(printer);
  Calculate();
  Choose(out.cboVarga, "D9 Navamsa");
  window.Menu().mnuPrint->trigger();
  chooser.answer = PathTo("asha.pdf");
  window.Menu().mnuExportPdf->trigger();
  chooser.answer = PathTo("asha.svg");
  window.Menu().mnuExportImage->trigger();
  EXPECT_EQ(printer.titles, std::vector<QString>{"Tarvel: Asha Rao · D9 Navamsa"});
  for (const QString& pdf : {PathTo("printed.pdf"), PathTo("asha.pdf")}) {
    EXPECT_TRUE(PdfText(pdf).out.contains("Asha Rao · D9 Navamsa")) << pdf.toStdString();
  }
  QFile svg(PathTo("asha.svg"));
  EXPECT_TRUE(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("D9 Navamsa"));
}

TEST_F(ChartExportsWindowTest, APrinterThatCannotStartIsToldInOneMessage) {
  PdfPrinter printer(PathTo("no-such-folder/printed.pdf"));
  window.SetChartPrinter(printer);
  Calculate();
  window.Menu().mnuPrint->trigger();
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_TRUE(sink.messages[0].text.starts_with("Could not print: ")) << sink.messages[0].text;
}

}  // namespace
}  // namespace tarvel::testing
