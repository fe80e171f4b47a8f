// The export module of tarvel-cli: the chart exporter drawn with Qt, loaded only when a file
// is asked for. It links Qt and the painter, and no code of the core.
#include <QFile>
#include <QGuiApplication>
#include <array>
#include <cstdio>
#include <memory>

#include "cli/chart/chart_exporter.h"
#include "export/export_files.h"

namespace tarvel::cli {
namespace {

// Qt's notes on its own set-up (a missing runtime folder, fonts it skipped) are no concern
// of the user's; a failure is told in the exporter's one line.
void KeepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "tarvel-cli: %s\n", qPrintable(message));
  }
}

class QtChartExporter final : public ChartExporter {
 public:
  QtChartExporter() {
    if (QCoreApplication::instance() != nullptr) return;
    // Files need no display: without a platform named, Qt draws offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler_ = qInstallMessageHandler(KeepOnlyCriticalMessages);
    application_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
  }

  ~QtChartExporter() override {
    if (!application_) return;
    application_.reset();
    qInstallMessageHandler(previousHandler_);
  }

  QtChartExporter(const QtChartExporter&) = delete;
  QtChartExporter& operator=(const QtChartExporter&) = delete;

  std::optional<std::string> WritePdf(const std::string& path,
                                      const ChartDocument& document) override {
    return tarvel::WritePdf(QFile::decodeName(path.c_str()), document);
  }

  std::optional<std::string> WritePng(const std::string& path, const ChartDocument& document,
                                      int widthPx, int heightPx) override {
    return tarvel::WritePng(QFile::decodeName(path.c_str()), document, {widthPx, heightPx});
  }

  std::optional<std::string> WriteSvg(const std::string& path, const ChartDocument& document,
                                      int widthPx, int heightPx) override {
    return tarvel::WriteSvg(QFile::decodeName(path.c_str()), document, {widthPx, heightPx});
  }

 private:
  // QGuiApplication keeps references to these for as long as it lives.
  char name_[11] = "tarvel-cli";
  int argc_ = 1;
  std::array<char*, 2> argv_{name_, nullptr};
  QtMessageHandler previousHandler_ = nullptr;
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace
}  // namespace tarvel::cli

extern "C" tarvel::cli::ChartExporter* TarvelChartExporterV1() {
  return new tarvel::cli::QtChartExporter();
}
