#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "cli/chart/chart_exporter.h"
#include "document/chart_document.h"

namespace tarvel::cli {

/// A chart of a batch waiting to be drawn in a PDF: its input line (counted from 1), the name
/// as given, and its document.
struct LinePdf {
  std::uint64_t line = 0;
  std::string name;
  ChartDocument document;
};

/// What a worker keeps of a line that gave a chart, for the writer to draw in `style`.
LinePdf KeepForPdf(std::uint64_t line, const ChartState& state, ChartStyle style);

/// Makes the folder, and any missing folder above it; the reason when it cannot be made.
std::optional<std::string> PrepareFolder(const std::filesystem::path& folder);

/// Writes a batch's PDFs into one folder, each named from its line and name
/// (0004-Asha-Rao.pdf). The first failure stops it: that PDF and any after it are not
/// written, and the failure is kept as "cannot write 'PATH': REASON".
class BatchPdfWriter {
 public:
  /// `exporter` must outlive the writer.
  BatchPdfWriter(ChartExporter& exporter, std::filesystem::path folder)
      : exporter_(exporter), folder_(std::move(folder)) {}

  /// Writes the PDFs of one run of lines, unless an earlier one failed.
  void Write(const std::vector<LinePdf>& pdfs);

  const std::optional<std::string>& Failure() const { return failure_; }

 private:
  ChartExporter& exporter_;
  std::filesystem::path folder_;
  std::optional<std::string> failure_;
};

}  // namespace tarvel::cli
