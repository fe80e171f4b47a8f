#include "app/window/chart_exports.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "export/chart_pages.h"
#include "export/export_files.h"
#include "export/export_names.h"
#include "export/header_layout.h"
#include "export/placed_text.h"

namespace tarvel {
namespace {

void TellWriteFailure(MessageSink& sink, const QString& path, const std::string& reason) {
  sink.ShowMessage("Could not write " + path.toStdString() + ": " + reason + ".",
                   MessageIcon::Error);
}

// Asks for a file and writes it; the user hears of a failure in a message, the caller gets
// the file written.
std::optional<QString> ExportCommand(
    FileChooser& chooser, MessageSink& sink, const FileDialogRequest& request,
    const std::function<std::optional<std::string>(const QString&)>& write) {
  // An event handler lets no failure through.
  try {
    const std::optional<QString> chosen = chooser.ChooseSaveFile(request);
    if (!chosen) return std::nullopt;
    auto reason = write(*chosen);
    if (!reason) return chosen;
    TellWriteFailure(sink, *chosen, *reason);
  } catch (...) {
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> PrintPreviewDialogs::Print(const QString& title,
                                                      const PagePainter& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(title);
  QPrintPreviewDialog dialog(&printer, parent_);
  std::optional<std::string> failure;
  // The preview draws on each change of the page set-up, the print once more at the end.
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                   [&](QPrinter* target) { failure = paint(*target); });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return failure;
}

FileDialogRequest ExportPdfRequest(std::string_view name) {
  return {"Export PDF", FromUtf8(ExportFileName(name, "pdf")), "PDF document (*.pdf)", "pdf",
          FileKind::Export};
}

FileDialogRequest ExportImageRequest(std::string_view name) {
  return {"Export Image", FromUtf8(ExportFileName(name, "png")),
          "PNG image (*.png);;SVG drawing (*.svg)", "png", FileKind::Export};
}

QSize ExportedPictureSize(ChartStyle style) {
  return {kDefaultPictureWidthPx, PictureHeightFor(kDefaultPictureWidthPx, style)};
}

void PrintChartCommand(ChartPrinter& printer, MessageSink& sink, const ChartDocument& document) {
  try {
    const QString title = "Tarvel: " + PageTitle(document.header);
    const auto failure = printer.Print(title, [&document](QPrinter& target) {
      return PrintChartDocument(target, document, QApplication::font());
    });
    if (failure) sink.ShowMessage("Could not print: " + *failure + ".", MessageIcon::Error);
  } catch (...) {
  }
}

std::optional<QString> ExportPdfCommand(FileChooser& chooser, MessageSink& sink,
                                        const ChartDocument& document) {
  return ExportCommand(chooser, sink, ExportPdfRequest(document.header.title),
                       [&document](const QString& path) { return WritePdf(path, document); });
}

std::optional<QString> ExportImageCommand(FileChooser& chooser, MessageSink& sink,
                                          const ChartDocument& document) {
  return ExportCommand(
      chooser, sink, ExportImageRequest(document.header.title), [&document](const QString& path) {
        return WritePicture(path, document, ExportedPictureSize(document.face.style));
      });
}

}  // namespace tarvel
