#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/window/file_chooser.h"
#include "document/chart_document.h"
#include "form/message_sink.h"

class QPrinter;
class QWidget;

namespace tarvel {

/// Draws pages on a printer; the reason when it cannot.
using PagePainter = std::function<std::optional<std::string>(QPrinter& printer)>;

/// The system's print dialog, behind an interface so that tests print to a file instead of
/// a modal dialog.
class ChartPrinter {
 public:
  virtual ~ChartPrinter() = default;
  /// Offers the pages `paint` draws for printing, under the document name `title`. Returns
  /// the reason printing failed; nothing when it printed or the user cancelled.
  virtual std::optional<std::string> Print(const QString& title, const PagePainter& paint) = 0;
};

/// The desktop's print dialog with a preview of the pages, over a parent window.
class PrintPreviewDialogs : public ChartPrinter {
 public:
  /// `parent` must outlive the printer.
  explicit PrintPreviewDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> Print(const QString& title, const PagePainter& paint) override;

 private:
  QWidget* parent_;
};

/// The save dialog of "Export PDF...", offering the name's file ("Asha-Rao.pdf").
FileDialogRequest ExportPdfRequest(std::string_view name);

/// The save dialog of "Export Image...": PNG or SVG, the file type choosing the format.
FileDialogRequest ExportImageRequest(std::string_view name);

/// The size of an exported picture: 1200 pixels wide, in the proportions of the picture of a
/// chart in `style`.
QSize ExportedPictureSize(ChartStyle style);

/// Print...: the document's pages in the print colours. A failure is told in a message;
/// cancelling changes nothing. Never throws.
void PrintChartCommand(ChartPrinter& printer, MessageSink& sink, const ChartDocument& document);

/// Export PDF...: asks for a file and writes the document's pages to it; the file written, or
/// nothing when cancelled or failed. Never throws.
std::optional<QString> ExportPdfCommand(FileChooser& chooser, MessageSink& sink,
                                        const ChartDocument& document);

/// Export Image...: asks for a file and draws the chart in it, as SVG for a name ending in
/// ".svg" and as PNG otherwise; the file written, or nothing. Never throws.
std::optional<QString> ExportImageCommand(FileChooser& chooser, MessageSink& sink,
                                          const ChartDocument& document);

}  // namespace tarvel
