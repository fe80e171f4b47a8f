#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "document/chart_document.h"
#include "export/picture_geometry.h"

namespace tarvel::cli {

/// A picture's size in pixels; a height of 0 follows the picture's natural proportions.
struct PictureSize {
  int width = kDefaultPictureWidthPx;
  int height = 0;
  bool operator==(const PictureSize&) const = default;
};

/// Reads `--size`: "WIDTHxHEIGHT" (e.g. "1200x900") or a width alone ("800"), each side 1 to
/// 16384 pixels, a width alone only as wide as keeps its natural height within that; the
/// refusal's message otherwise.
std::variant<PictureSize, std::string> ParsePictureSize(std::string_view text);

/// The files `tarvel-cli chart` writes besides what it prints.
struct ExportTargets {
  std::optional<std::string> pdfPath;
  std::optional<std::string> svgPath;
  std::optional<std::string> pngPath;
  PictureSize size;  ///< of the SVG and the PNG
  bool Any() const { return pdfPath || svgPath || pngPath; }
};

/// Writes charts to files. The implementation draws with Qt and lives in a module of its own
/// that is loaded only when a file is asked for, so that the command line starts, and computes
/// charts, without the Qt libraries. Each function returns the reason of a failure, e.g.
/// "Permission denied"; a file is written whole or not at all.
class ChartExporter {
 public:
  virtual ~ChartExporter() = default;
  /// A PDF of A4 pages: header, chart, position list and the whole reading.
  virtual std::optional<std::string> WritePdf(const std::string& path,
                                              const ChartDocument& document) = 0;
  /// A PNG picture of the header and the chart, `widthPx` by `heightPx`.
  virtual std::optional<std::string> WritePng(const std::string& path,
                                              const ChartDocument& document, int widthPx,
                                              int heightPx) = 0;
  /// An SVG drawing of the header and the chart, `widthPx` by `heightPx`, its texts as text.
  virtual std::optional<std::string> WriteSvg(const std::string& path,
                                              const ChartDocument& document, int widthPx,
                                              int heightPx) = 0;
};

/// The name of the function the export module offers, which makes its exporter:
/// `extern "C" tarvel::cli::ChartExporter* TarvelChartExporterV1()`, owned by the caller.
inline constexpr const char* kExporterFactorySymbol = "TarvelChartExporterV1";

/// The export module's file name.
inline constexpr const char* kExportModuleFile = "tarvel-cli-export.so";

/// Loads the export module from the running program's folder (as built) or from the folder
/// it is installed in relative to the program's (libexec/tarvel), and makes its exporter;
/// the reason when it cannot.
std::variant<std::unique_ptr<ChartExporter>, std::string> LoadChartExporter();

/// The refusal of a path for `option` that is not UTF-8: the drawing library would write to
/// another name, with its bytes replaced.
std::optional<std::string> RefuseNonUtf8Path(std::string_view option, std::string_view path);

/// "cannot write 'PATH': REASON", the path quoted as every echoed input is.
std::string CannotWrite(const std::string& path, const std::string& reason);

/// Writes every file the targets name, PDF first; the first failure as
/// "cannot write 'PATH': REASON", after which nothing more is written.
std::optional<std::string> ExportChart(ChartExporter& exporter, const ChartDocument& document,
                                       const ExportTargets& targets);

}  // namespace tarvel::cli
