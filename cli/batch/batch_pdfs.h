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

/// A chart of a batch waiting to be drawn in a PDF: the file's path and the document.
struct LinePdf {
  std::string path;
  ChartDocument document;
};

/// What a worker keeps of a line that gave a chart, for the writer to draw in `style`: the
/// PDF is named in `folder` from the line's number and the name (0004-Asha-Rao.pdf).
LinePdf KeepForPdf(const std::filesystem::path& folder, std::uint64_t line, const ChartState& state,
                   ChartStyle style);

/// Claims the PDF's name by making an empty file there, so that no other line nor another
/// batch takes it; the line's refusal when the file exists already (it is never replaced) or
/// cannot be made.
std::optional<std::string> ReservePdf(const std::string& path);

/// Makes the folder, and any missing folder above it; the reason when it cannot be made.
std::optional<std::string> PrepareFolder(const std::filesystem::path& folder);

/// Writes a batch's reserved PDFs. The first failure stops it: that PDF and any after it are
/// not written (their reserved files are removed), and the failure is kept as
/// "cannot write 'PATH': REASON".
class BatchPdfWriter {
 public:
  /// `exporter` must outlive the writer.
  explicit BatchPdfWriter(ChartExporter& exporter) : exporter_(exporter) {}

  /// Writes the PDFs of one run of lines, unless an earlier one failed.
  void Write(const std::vector<LinePdf>& pdfs);

  const std::optional<std::string>& Failure() const { return failure_; }

 private:
  ChartExporter& exporter_;
  std::optional<std::string> failure_;
};

}  // namespace tarvel::cli
