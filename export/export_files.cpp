#include "export/export_files.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "export/chart_pages.h"
#include "export/chart_picture.h"

namespace tarvel {
namespace {

constexpr double kPdfMarginMm = 15;
constexpr int kCssPixelsPerInch = 96;

std::optional<std::string> Reason(const QString& text) {
  return text.toStdString();
}

QString TitleOf(const ChartDocument& document) {
  return "Tarvel: " + FromUtf8(document.header.title);
}

bool ValidSize(QSize size) {
  return size.width() >= 1 && size.height() >= 1 && size.width() <= kMaxPictureSidePx &&
         size.height() <= kMaxPictureSidePx;
}

std::optional<std::string> Commit(QSaveFile& file) {
  if (!file.commit()) return Reason(file.errorString());
  return std::nullopt;
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
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Reason(file.errorString());
  QPdfWriter writer(&file);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                        QPageLayout::Millimeter);
  writer.setTitle(TitleOf(document));
  writer.setCreator("Tarvel");
  if (auto error = PrintChartDocument(writer, document, BaseFont())) {
    file.cancelWriting();
    return error;
  }
  return Commit(file);
}

std::optional<std::string> WritePng(const QString& path, const ChartDocument& document,
                                    QSize size) {
  if (!ValidSize(size)) return "the picture's size is out of range";
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return "there is not enough memory for the picture";
  QPainter painter(&image);
  PaintPicture(painter, document, size);
  painter.end();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Reason(file.errorString());
  if (!image.save(&file, "PNG")) {
    file.cancelWriting();
    return Reason(file.error() != QFileDevice::NoError ? file.errorString()
                                                       : "the image could not be encoded");
  }
  return Commit(file);
}

std::optional<std::string> WriteSvg(const QString& path, const ChartDocument& document,
                                    QSize size) {
  if (!ValidSize(size)) return "the picture's size is out of range";
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Reason(file.errorString());
  QSvgGenerator generator;
  generator.setOutputDevice(&file);
  // At 96 to the inch, as browsers count CSS pixels, the drawing opens at the asked size.
  generator.setResolution(kCssPixelsPerInch);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(TitleOf(document));
  QPainter painter;
  if (!painter.begin(&generator)) {
    file.cancelWriting();
    return "the drawing could not be started";
  }
  PaintPicture(painter, document, size);
  painter.end();
  return Commit(file);
}

bool IsSvgPath(const QString& path) {
  return path.endsWith(".svg", Qt::CaseInsensitive);
}

std::optional<std::string> WritePicture(const QString& path, const ChartDocument& document,
                                        QSize size) {
  return IsSvgPath(path) ? WriteSvg(path, document, size) : WritePng(path, document, size);
}

}  // namespace tarvel
