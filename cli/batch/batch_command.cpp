#include "cli/batch/batch_command.h"

#include <filesystem>
#include <fstream>
#include <variant>
#include <vector>

#include "atlas/lazy_atlas.h"
#include "chart/skies.h"
#include "cli/batch/batch_fields.h"
#include "cli/batch/batch_pipeline.h"
#include "cli/batch/batch_progress.h"
#include "cli/batch/batch_resources.h"
#include "cli/chart/exit_status.h"
#include "cli/chart/quoted_input.h"

namespace tarvel::cli {
namespace {

// Enough lines that handing a job to a worker costs nothing next to computing it.
constexpr std::size_t kLinesPerJob = 64;
// A job's room for output, in eighths of its first line's length a line: lines vary a little.
constexpr std::size_t kRoomPerLineEighths = 10;

std::variant<CsvHeader, std::string> ReadHeader(std::string_view text, const LineShape& shape) {
  const auto checked = CheckLine(text, shape);
  if (const auto* refusal = std::get_if<std::string>(&checked)) {
    return Joined({"CSV header: ", *refusal});
  }
  return CsvHeader::Parse(std::get<std::string_view>(checked));
}

// Reads lines into a job, numbering them on; a job takes no more lines than have arrived, so
// that a line fed alone is answered before the next comes.
bool FillJob(LineReader& reader, std::uint64_t& nextNumber, BatchJob& job) {
  while (job.lines.size() < kLinesPerJob) {
    if (!job.lines.empty() && !reader.LineAtHand()) return true;
    JobLine line{.number = nextNumber, .offset = job.text.size(), .shape = {}};
    const auto shape = reader.AppendNextLine(job.text);
    if (!shape) return false;
    line.shape = *shape;
    job.lines.push_back(line);
    ++nextNumber;
  }
  return true;
}

// Where a batch's PDFs go, and the style of lines that name none.
struct PdfPlan {
  std::filesystem::path folder;
  ChartStyle style;
};

// A line's PDF takes its own style, or the batch's where it names none; a line whose PDF
// cannot be claimed is refused in its place.
void ComputeJob(BatchLineProcessor& processor, const std::optional<PdfPlan>& pdf, BatchJob& job) {
  job.output.clear();
  job.pdfs.clear();
  job.allSucceeded = true;
  for (const JobLine& line : job.lines) {
    const std::size_t start = job.output.size();
    bool succeeded =
        processor.AppendOutput(line.number, job.LineText(line), line.shape, job.output);
    // Once the first line shows how long lines are, room for the whole job: a string growing
    // by doubling to a megabyte copies itself over and over. A reused job has the room.
    if (&line == &job.lines.front()) {
      job.output.reserve(job.output.size() * job.lines.size() * kRoomPerLineEighths / 8);
    }
    if (succeeded && pdf) {
      const ChartStyle style = processor.LastStyle().value_or(pdf->style);
      LinePdf kept = KeepForPdf(pdf->folder, line.number, processor.LastChart(), style);
      if (auto refusal = ReservePdf(kept.path)) {
        job.output.resize(start);
        processor.AppendRefusal(line.number, *refusal, job.output);
        succeeded = false;
      } else {
        job.pdfs.push_back(std::move(kept));
      }
    }
    job.allSucceeded = job.allSucceeded && succeeded;
  }
}

const BatchOutput& Output(const BatchRequest& request) {
  return request.output != nullptr ? *request.output : WholeJsonOutput();
}

int Finish(bool allSucceeded, const LineReader& reader, std::ostream& out, std::ostream& err) {
  out.flush();
  if (!out) {
    err << "tarvel-cli: " << kOutputFailure << '\n';
    return kExitFailed;
  }
  if (reader.Failed()) {
    err << "tarvel-cli: could not read the input\n";
    return kExitFailed;
  }
  return allSucceeded ? kExitOk : kExitFailed;
}

// Computes every line from `firstNumber` on, one processor per job, and writes the output in
// input order as it comes.
int ComputeLines(LineReader& reader, BatchFormat format, const CsvHeader* header,
                 std::uint64_t firstNumber, const BatchRequest& given, std::ostream& out,
                 std::ostream& err) {
  BatchRequest request = given;
  request.jobs = PrepareWorkers(request.jobs);
  const Skies skies;
  const LazyAtlas ownAtlas;
  const ChartContext context{skies, request.atlas != nullptr ? *request.atlas : ownAtlas,
                             request.sky, request.varga};
  std::vector<BatchLineProcessor> processors;
  processors.reserve(request.jobs);
  for (std::size_t job = 0; job < request.jobs; ++job) {
    processors.emplace_back(format, header, context, Output(request));
  }
  BatchProgress progress(err, request.showProgress);
  std::uint64_t nextNumber = firstNumber;
  std::uint64_t linesDone = 0;
  bool allSucceeded = true;
  std::optional<BatchPdfWriter> pdfs;
  std::optional<PdfPlan> pdfPlan;
  if (request.pdfDir && request.exporter) {
    pdfs.emplace(*request.exporter);
    pdfPlan = PdfPlan{*request.pdfDir, request.style.value_or(ChartStyle::South)};
  }
  const auto write = [&](const BatchJob& job) {
    // Qt draws text on the thread that started it, so the PDFs are drawn here, not on the
    // workers.
    if (pdfs) pdfs->Write(job.pdfs);
    out.write(job.output.data(), static_cast<std::streamsize>(job.output.size()));
    if (request.lineBuffered) out.flush();
    allSucceeded = allSucceeded && job.allSucceeded;
    linesDone += job.lines.size();
    progress.Update(linesDone);
    return static_cast<bool>(out);
  };
  const auto compute = [&](BatchJob& job, std::size_t worker) {
    ComputeJob(processors[worker], pdfPlan, job);
  };
  RunOrderedPipeline(request.jobs,
                     {.read = [&](BatchJob& job) { return FillJob(reader, nextNumber, job); },
                      .readWouldWait = [&] { return !reader.LineAtHand(); },
                      .compute = compute,
                      .write = write,
                      // The precise sky keeps its files open per thread.
                      .workerEnds = [&] { skies.ReleaseThread(); }});
  progress.Finish(linesDone);
  if (pdfs && pdfs->Failure()) {
    err << "tarvel-cli: " << *pdfs->Failure() << " (no more PDFs were written)\n";
    allSucceeded = false;
  }
  return Finish(allSucceeded, reader, out, err);
}

}  // namespace

BatchFormat DetectFormat(std::optional<char> firstNonBlank) {
  return firstNonBlank == '{' ? BatchFormat::JsonLines : BatchFormat::Csv;
}

int RunBatch(std::istream& in, const BatchRequest& request, std::ostream& out, std::ostream& err) {
  if (request.pdfDir) {
    if (auto refusal = PrepareFolder(*request.pdfDir)) {
      err << "tarvel-cli: " << *refusal << '\n';
      return kExitFailed;
    }
  }
  LineReader reader(in, kMaxBatchLineBytesKept);
  const BatchFormat format = request.format.value_or(DetectFormat(reader.FirstNonBlankByte()));
  // A batch that goes on from another's line leaves the header to the first.
  if (request.firstLine == 1) out << Output(request).Header();
  if (format == BatchFormat::JsonLines) {
    return ComputeLines(reader, format, nullptr, request.firstLine, request, out, err);
  }
  std::string text;
  const auto shape = reader.AppendNextLine(text);
  if (!shape) return Finish(true, reader, out, err);
  const auto header = ReadHeader(text, *shape);
  if (const auto* refusal = std::get_if<std::string>(&header)) {
    // Without its header no line of a CSV input can be read.
    std::string line;
    Output(request).AppendError(request.firstLine, *refusal, line);
    out << line << '\n';
    return Finish(false, reader, out, err);
  }
  return ComputeLines(reader, format, &std::get<CsvHeader>(header), request.firstLine + 1, request,
                      out, err);
}

int RunBatchCommand(const BatchRequest& given, std::istream& standardInput, std::ostream& out,
                    std::ostream& err) {
  BatchRequest request = given;
  std::unique_ptr<ChartExporter> loaded;
  if (const auto refusal =
          request.pdfDir ? RefuseNonUtf8Path("--pdf-dir", *request.pdfDir) : std::nullopt) {
    err << "tarvel-cli: " << *refusal << '\n';
    return kExitBadInput;
  }
  if (request.pdfDir && request.exporter == nullptr) {
    auto exporter = LoadChartExporter();
    if (const auto* refusal = std::get_if<std::string>(&exporter)) {
      err << "tarvel-cli: " << *refusal << '\n';
      return kExitFailed;
    }
    loaded = std::move(std::get<std::unique_ptr<ChartExporter>>(exporter));
    request.exporter = loaded.get();
  }
  if (request.inputPath == "-") return RunBatch(standardInput, request, out, err);
  std::ifstream file(request.inputPath, std::ios::binary);
  // A folder opens as a stream but gives no lines.
  if (!file || std::filesystem::is_directory(request.inputPath)) {
    err << "tarvel-cli: cannot open " << QuotedForMessage(request.inputPath) << '\n';
    return kExitBadInput;
  }
  return RunBatch(file, request, out, err);
}

}  // namespace tarvel::cli
