#include "cli/batch/batch_output_choice.h"

#include "cli/batch/batch_csv_output.h"

namespace tarvel::cli {

std::variant<std::unique_ptr<BatchOutput>, std::string> MakeBatchOutput(
    BatchOutputFormat format, const std::optional<std::string>& fields) {
  if (format == BatchOutputFormat::Csv) {
    auto csv = CsvOutput::Make(fields);
    if (auto* refusal = std::get_if<std::string>(&csv)) return std::move(*refusal);
    return std::make_unique<CsvOutput>(std::move(std::get<CsvOutput>(csv)));
  }
  if (!fields) return std::make_unique<JsonLinesOutput>();
  auto selection = ChartJsonSelection::Parse(*fields);
  if (auto* refusal = std::get_if<std::string>(&selection)) return std::move(*refusal);
  return std::make_unique<JsonLinesOutput>(std::move(std::get<ChartJsonSelection>(selection)));
}

}  // namespace tarvel::cli
