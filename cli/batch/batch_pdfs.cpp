#include "cli/batch/batch_pdfs.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "cli/chart/quoted_input.h"
#include "export/export_names.h"

namespace tarvel::cli {

LinePdf KeepForPdf(const std::filesystem::path& folder, std::uint64_t line, const ChartState& state,
                   ChartStyle style) {
  return {(folder / BatchPdfName(line, state.BirthData.BirthName)).string(),
          MakeChartDocument(state, {}, style)};
}

std::optional<std::string> ReservePdf(const std::string& path) {
  // O_EXCL makes the claim atomic, so batches run side by side cannot both take a name.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd >= 0) {
    ::close(fd);
    return std::nullopt;
  }
  if (errno == EEXIST) return "PDF " + QuotedForMessage(path) + " exists already: not replaced";
  return CannotWrite(path, std::error_code(errno, std::generic_category()).message());
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
    if (!failure_) {
      const auto reason = exporter_.WritePdf(pdf.path, pdf.document);
      if (!reason) continue;
      failure_ = CannotWrite(pdf.path, *reason);
    }
    // A name claimed but never written would stand empty.
    std::error_code ignored;
    std::filesystem::remove(pdf.path, ignored);
  }
}

}  // namespace tarvel::cli
