#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/chart/chart_exporter.h"

namespace tarvel::testing {

/// One file an exporter was asked for.
struct ExportCall {
  std::string kind;  ///< "pdf", "svg" or "png"
  std::string path;
  ChartDocument document;
  int widthPx = 0;
  int heightPx = 0;
};

/// Writes nothing: keeps what it was asked for and fails the call numbered `failAt` (from 0)
/// with "Disk full".
class RecordingExporter : public cli::ChartExporter {
 public:
  std::optional<std::string> WritePdf(const std::string& path,
                                      const ChartDocument& document) override {
    return Record({"pdf", path, document, 0, 0});
  }
  std::optional<std::string> WritePng(const std::string& path, const ChartDocument& document,
                                      int widthPx, int heightPx) override {
    return Record({"png", path, document, widthPx, heightPx});
  }
  std::optional<std::string> WriteSvg(const std::string& path, const ChartDocument& document,
                                      int widthPx, int heightPx) override {
    return Record({"svg", path, document, widthPx, heightPx});
  }

  std::vector<ExportCall> calls;
  std::optional<std::size_t> failAt;

 private:
  std::optional<std::string> Record(ExportCall call) {
    calls.push_back(std::move(call));
    if (failAt && calls.size() - 1 == *failAt) return "Disk full";
    return std::nullopt;
  }
};

}  // namespace tarvel::testing
