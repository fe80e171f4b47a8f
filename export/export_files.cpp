#include "export/export_files.h"

#include <QBuffer>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <filesystem>
#include <string_view>

#include "export/chart_pages.h"
#include "export/chart_picture.h"
#include "export/header_layout.h"
#include "files/replace_file.h"

namespace tarvel {
namespace {

constexpr double kPdfMarginMm = 15;
constexpr int kCssPixelsPerInch = 96;

QString TitleOf(const ChartDocument& document) {
  return "Tarvel: " + PageTitle(document.header);
}

bool ValidSize(QSize size) {
  return size.width() >= 1 && size.height() >= 1 && size.width() <= kMaxPictureSidePx &&
         size.height() <= kMaxPictureSidePx;
}

// Every export is drawn in memory first and then replaces the file as a saved reading does:
// flushed, its size checked, then renamed, so a full disk leaves the old file whole and no
// library reports its own write errors.
std::optional<std::string> WriteFile(const QString& path, const QByteArray& bytes) {
  return ReplaceFileContents(std::filesystem::path(QFile::encodeName(path).toStdString()),
                             std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

// The application's font under the name of the face it stands for, so that an SVG names a
// font a viewer can find ("DejaVu Sans", not the alias "Sans Serif").
QFont BaseFont() {
  QFont font = QGuiApplication::font();
  font.setFamily(QFontInfo(font).family());
  return font;
}

void PaintPicture(QPainter& painter, const ChartDocument& document, QSize size) {
  painter.setRenderHint(QPainter::Antialiasing);
  const ChartPictureLayout picture = LayOutChartPicture(
      document, QRectF(QPointF(0, 0), QSizeF(size)), painter.device(), BaseFont());
  PaintChartPicture(painter, picture, kPrintPalette);
}

}  // namespace

std::optional<std::string> WritePdf(const QString& path, const ChartDocument& document) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    // The writer ends the PDF when it goes.
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                          QPageLayout::Millimeter);
    writer.setTitle(TitleOf(document));
    writer.setCreator("Tarvel");
    if (auto error = PrintChartDocument(writer, document, BaseFont())) return error;
  }
  return WriteFile(path, bytes);
}

std::optional<std::string> WritePng(const QString& path, const ChartDocument& document,
                                    QSize size) {
  if (!ValidSize(size)) return "the picture's size is out of range";
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return "there is not enough memory for the picture";
  QPainter painter(&image);
  PaintPicture(painter, document, size);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return "the image could not be encoded";
  return WriteFile(path, bytes);
}

std::optional<std::string> WriteSvg(const QString& path, const ChartDocument& document,
                                    QSize size) {
  if (!ValidSize(size)) return "the picture's size is out of range";
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  // At 96 to the inch, as browsers count CSS pixels, the drawing opens at the asked size.
  generator.setResolution(kCssPixelsPerInch);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(TitleOf(document));
  QPainter painter;
  if (!painter.begin(&generator)) return "the drawing could not be started";
  PaintPicture(painter, document, size);
  painter.end();
  return WriteFile(path, bytes);
}

bool IsSvgPath(const QString& path) {
  return path.endsWith(".svg", Qt::CaseInsensitive);
}

std::optional<std::string> WritePicture(const QString& path, const ChartDocument& document,
                                        QSize size) {
  return IsSvgPath(path) ? WriteSvg(path, document, size) : WritePng(path, document, size);
}

}  // namespace tarvel
