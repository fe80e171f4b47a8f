#include "cli/batch/batch_output_choice.h"

#include "cli/batch/batch_csv_output.h"

namespace tarvel::cli {

namespace {

using Made = std::variant<std::unique_ptr<BatchOutput>, std::string>;

Made MakeCsvOutput(const std::optional<std::string>& fields, const DashaOptionTexts& texts) {
  auto made = CsvOutput::Make(fields, texts.dasha);
  if (auto* refusal = std::get_if<std::string>(&made)) return std::move(*refusal);
  auto csv = std::make_unique<CsvOutput>(std::move(std::get<CsvOutput>(made)));
  const auto dasha = ReadDashaOptions(texts, csv->WritesDasha());
  if (auto* refusal = std::get_if<std::string>(&dasha)) return *refusal;
  if (const auto& asked = std::get<std::optional<DashaRequest>>(dasha)) csv->SetDasha(*asked);
  return csv;
}

}  // namespace

Made MakeBatchOutput(BatchOutputFormat format, const std::optional<std::string>& fields,
                     const DashaOptionTexts& dashaTexts) {
  if (format == BatchOutputFormat::Csv) return MakeCsvOutput(fields, dashaTexts);
  auto selection = fields ? ChartJsonSelection::Parse(*fields) : ChartJsonSelection();
  if (auto* refusal = std::get_if<std::string>(&selection)) return std::move(*refusal);
  ChartJsonSelection& keys = std::get<ChartJsonSelection>(selection);
  const auto dasha = ReadDashaOptions(dashaTexts, fields && keys.Includes("Dasha"));
  if (auto* refusal = std::get_if<std::string>(&dasha)) return *refusal;
  return std::make_unique<JsonLinesOutput>(std::move(keys),
                                           std::get<std::optional<DashaRequest>>(dasha));
}

}  // namespace tarvel::cli
