// Batch input in JSON lines, whatever its bytes, written with --fields or as CSV: the first
// byte picks one of a few outputs. Every input line gives one output line (after the CSV
// header), each row with every column.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "cli/batch/batch_output_choice.h"
#include "fuzz/batch_checks.h"
#include "fuzz/fuzz_bytes.h"

namespace {

struct OutputChoice {
  tarvel::cli::BatchOutputFormat format;
  std::optional<std::string> fields;
  std::string_view chartKey;  ///< JSON: the first key a chart's line writes
  std::size_t columns;        ///< CSV: the cells of each row
};

const std::array<OutputChoice, 4> kOutputs = {{
    {tarvel::cli::BatchOutputFormat::JsonLines, "PlanetSigns,ArgalaList", "PlanetSigns", 0},
    {tarvel::cli::BatchOutputFormat::JsonLines, "Reading,Place,BirthData", "Reading", 0},
    {tarvel::cli::BatchOutputFormat::Csv, std::nullopt, "", 80},
    {tarvel::cli::BatchOutputFormat::Csv, "error,place,moon_sign,sun_argala_received", "", 5},
}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel::fuzz;
  FuzzBytes bytes(data, size);
  const OutputChoice& choice = kOutputs[bytes.Byte() % kOutputs.size()];
  const std::string input(bytes.Rest());
  auto made = tarvel::cli::MakeBatchOutput(choice.format, choice.fields);
  const auto& output = std::get<std::unique_ptr<tarvel::cli::BatchOutput>>(made);
  const BatchOutcome outcome = RunBatchOn(input, false, output.get());
  if (choice.format == tarvel::cli::BatchOutputFormat::Csv) {
    CheckCsvOutput(outcome.output, choice.columns, InputLineCount(input));
  } else {
    CheckBatchOutput(outcome.output, 1, InputLineCount(input), choice.chartKey);
  }
  return 0;
}
