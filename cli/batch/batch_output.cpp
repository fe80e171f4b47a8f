#include "cli/batch/batch_output.h"

#include "cli/batch/batch_fields.h"

namespace tarvel::cli {

void JsonLinesOutput::AppendChart(const ChartJsonSource& chart, std::string& out) const {
  AppendChartJson(chart, selection_, out);
}

void JsonLinesOutput::AppendError(std::uint64_t lineNumber, std::string_view message,
                                  std::string& out) const {
  out += LineErrorJson(lineNumber, message);
}

const BatchOutput& WholeJsonOutput() {
  static const JsonLinesOutput kWhole;
  return kWhole;
}

}  // namespace tarvel::cli
