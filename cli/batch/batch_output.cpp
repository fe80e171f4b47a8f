#include "cli/batch/batch_output.h"

#include "cli/batch/batch_csv_output.h"
#include "cli/batch/batch_fields.h"

namespace tarvel::cli {

void JsonLinesOutput::AppendChart(const ChartJsonSource& chart, std::string& out) const {
  AppendChartJson(chart, selection_, out);
}

void JsonLinesOutput::AppendError(std::uint64_t lineNumber, std::string_view message,
                                  std::string& out) const {
  out += LineErrorJson(lineNumber, message);
}

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

const BatchOutput& WholeJsonOutput() {
  static const JsonLinesOutput kWhole;
  return kWhole;
}

}  // namespace tarvel::cli
