#include "cli/batch/batch_pdfs.h"

#include <system_error>

#include "cli/chart/quoted_input.h"
#include "export/export_names.h"

namespace tarvel::cli {

LinePdf KeepForPdf(std::uint64_t line, const ChartState& state, ChartStyle style) {
  return {line, state.BirthData.BirthName, MakeChartDocument(state, {}, style)};
}

std::optional<std::string> PrepareFolder(const std::filesystem::path& folder) {
  const std::string quoted = QuotedForMessage(folder.string());
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "cannot make the folder " + quoted + ": " + error.message();
  if (!std::filesystem::is_directory(folder, error)) return quoted + " is not a folder";
  return std::nullopt;
}

void BatchPdfWriter::Write(const std::vector<LinePdf>& pdfs) {
  for (const LinePdf& pdf : pdfs) {
    if (failure_) return;
    const std::string path = (folder_ / BatchPdfName(pdf.line, pdf.name)).string();
    if (auto reason = exporter_.WritePdf(path, pdf.document)) failure_ = CannotWrite(path, *reason);
  }
}

}  // namespace tarvel::cli
