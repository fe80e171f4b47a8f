#include "cli/batch/batch_cli.h"

#include <unistd.h>

#include <ext/stdio_filebuf.h>

#include <iostream>
#include <thread>

#include "cli/batch/batch_output_choice.h"
#include "cli/chart/exit_status.h"
#include "cli/chart/style_options.h"
#include "cli/chart/varga_options.h"

namespace tarvel::cli {
namespace {

constexpr const char* kBatchFooter =
    "Input: one birth per line, as JSON lines\n"
    "  {\"date\": \"1980-03-05\", \"time\": \"14:07\", \"zone\": 34, \"lat\": \"18:58N\", "
    "\"lon\": \"72:49E\", \"dst\": false, \"name\": \"Asha Rao\"}\n"
    "or as CSV whose first line names the columns\n"
    "  date,time,zone,lat,lon,dst,name,city,state,country\n"
    "A line may name a place instead of the zone and coordinates (\"place\": \"Mumbai, India\")\n"
    "and its own sky (\"sky\", \"ayanamsa\", \"node\"), varga (\"varga\": 9) and chart style\n"
    "for its PDF (\"style\": \"north\"), as the options below; an exact offset (\"offset\":\n"
    "\"+05:45\" or \"lmt\") instead of the zone and dst; seconds in the time (\"14:07:30\").\n"
    "Output: one JSON line per input line, in order: the chart as 'chart --json' prints it,\n"
    "or {\"line\": N, \"error\": \"...\"}. With --output csv, a header and one row per input\n"
    "line, its error in the last column. Exit status 0 when every line gave a chart, else 1.\n";

// Far beyond any input, and the line numbers that follow stay exact in a JSON reader's doubles.
constexpr std::uint64_t kLastFirstLine = std::uint64_t{1} << 50;

std::size_t DefaultJobs() {
  const unsigned processors = std::thread::hardware_concurrency();
  return processors == 0 ? 1 : processors;
}

}  // namespace

CLI::App* AddBatchSubcommand(CLI::App& app, BatchCommandLine& line) {
  CLI::App* batch = app.add_subcommand(
      "batch", "Calculate one chart per input line and print one JSON line for each");
  batch->add_option("FILE", line.request.inputPath,
                    "JSON lines or CSV; - or nothing for the standard input");
  batch
      ->add_option("--format", line.formatName,
                   "json or csv; when left out, an input starting with '{' is JSON lines")
      ->check(CLI::IsMember({"json", "csv"}));
  batch
      ->add_option("--output", line.outputName,
                   "json: one chart's JSON per line; csv: a header, then one row per line")
      ->check(CLI::IsMember({"json", "csv"}));
  batch->add_option("--fields", line.fields,
                    "Write only these top-level keys of each chart's JSON, or these CSV "
                    "columns, in this order, e.g. PlanetSigns,ArgalaList");
  line.request.jobs = DefaultJobs();
  batch->add_option("--jobs", line.request.jobs, "Worker threads (default: one per processor)")
      ->check(CLI::Range(1, 256));
  batch->add_option("--pdf-dir", line.request.pdfDir,
                    "Also write one PDF per line that gives a chart into this folder, named "
                    "from the line number and the name, e.g. 0004-Asha-Rao.pdf; a PDF that "
                    "exists is not replaced, its line refused");
  batch
      ->add_option("--first-line", line.request.firstLine,
                   "Number the input's lines from N, for a block of a larger input (the "
                   "header of a CSV output is then left out)")
      ->check(CLI::Range(std::uint64_t{1}, kLastFirstLine));
  batch->add_flag("--line-buffered", line.request.lineBuffered,
                  "Write each answer as soon as it is computed, for a program that feeds one "
                  "line and waits for its answer (slower for large inputs)");
  AddSkyOptions(*batch, line.sky);
  AddVargaOption(*batch, line.varga);
  AddStyleOption(*batch, line.style);
  AddDashaOptions(*batch, line.dasha);
  batch->footer(kBatchFooter);
  return batch;
}

int RunBatchSubcommand(BatchCommandLine& line, std::ostream& out, std::ostream& err) {
  if (line.formatName == "json") line.request.format = BatchFormat::JsonLines;
  if (line.formatName == "csv") line.request.format = BatchFormat::Csv;
  line.request.showProgress = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
  const auto sky = ReadSkyOptions(line.sky);
  std::optional<std::string> refusal;
  if (const auto* skyRefusal = std::get_if<std::string>(&sky)) refusal = *skyRefusal;
  if (!refusal && line.varga) refusal = ReadVarga(*line.varga, line.request.varga);
  if (!refusal && line.style) refusal = ReadChartStyle(*line.style, line.request.style);
  if (refusal) {
    err << "tarvel-cli: " << *refusal << '\n';
    return kExitBadInput;
  }
  line.request.sky = std::get<SkyChoice>(sky);
  // Fields are checked before any line is read, so a misspelt one costs no work.
  auto output = MakeBatchOutput(
      line.outputName == "csv" ? BatchOutputFormat::Csv : BatchOutputFormat::JsonLines, line.fields,
      line.dasha);
  if (const auto* refusal = std::get_if<std::string>(&output)) {
    err << "tarvel-cli: " << *refusal << '\n';
    return kExitBadInput;
  }
  line.request.output = std::get<std::unique_ptr<BatchOutput>>(output).get();
  // std::cin would wait for a whole buffer of the C library's; this takes what has arrived.
  __gnu_cxx::stdio_filebuf<char> standardInputBuffer(stdin, std::ios::in);
  std::istream standardInput(&standardInputBuffer);
  return RunBatchCommand(line.request, standardInput, out, err);
}

}  // namespace tarvel::cli
