#include "fuzz/batch_checks.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/batch/batch_command.h"
#include "cli/batch/batch_csv.h"
#include "fuzz/fuzz_bytes.h"

namespace tarvel::fuzz {

std::size_t InputLineCount(std::string_view input) {
  if (input.starts_with("\xEF\xBB\xBF")) input.remove_prefix(3);
  const auto feeds = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n'));
  return feeds + (!input.empty() && input.back() != '\n' ? 1 : 0);
}

BatchOutcome RunBatchOn(std::string_view input, bool csv, const cli::BatchOutput* output) {
  std::istringstream in{std::string(input)};
  std::ostringstream out;
  std::ostringstream err;
  cli::BatchRequest request;
  request.format = csv ? cli::BatchFormat::Csv : cli::BatchFormat::JsonLines;
  request.jobs = 1;
  request.output = output;
  // Built once for all runs: a fresh atlas for every line naming a place would take seconds.
  static const LazyAtlas atlas;
  request.atlas = &atlas;
  BatchOutcome outcome;
  outcome.status = cli::RunBatch(in, request, out, err);
  outcome.output = out.str();
  Require(outcome.status == 0 || outcome.status == 1, "a batch exits with 0 or 1");
  Require(err.str().empty(), "a batch that can read and write says nothing on stderr");
  return outcome;
}

std::vector<std::string> OutputLines(std::string_view output) {
  if (output.empty()) return {};
  Require(output.back() == '\n', "the output ends with a line feed");
  return SplitAt(output.substr(0, output.size() - 1), "\n");
}

void CheckBatchOutput(std::string_view output, std::uint64_t firstLineNumber,
                      std::size_t expectedLines, std::string_view chartKey) {
  const std::vector<std::string> lines = OutputLines(output);
  Require(lines.size() == expectedLines, "one output line per input line");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto json = nlohmann::json::parse(lines[i], nullptr, false);
    Require(json.is_object(), "every output line is a JSON object");
    if (json.contains(chartKey)) continue;
    Require(json.size() == 2 && json.contains("error") && json["error"].is_string(),
            "a line without a chart gives its error");
    Require(json.value("line", std::uint64_t{0}) == firstLineNumber + i,
            "errors come in input order, numbered as the input's lines");
  }
}

void CheckCsvOutput(std::string_view output, std::size_t columns, std::size_t expectedLines) {
  const std::vector<std::string> lines = OutputLines(output);
  Require(lines.size() == expectedLines + 1, "a header and one row per input line");
  std::vector<std::string> cells;
  for (const std::string& line : lines) {
    Require(!cli::SplitCsvLine(line, cells), "every row is well-formed CSV");
    Require(cells.size() == columns, "every row has the header's cells");
  }
}

}  // namespace tarvel::fuzz
