#include "cli/batch/batch_output.h"

#include "cli/chart/json_writer.h"

namespace tarvel::cli {

void JsonLinesOutput::AppendChart(std::uint64_t, const ChartJsonSource& chart,
                                  std::string& out) const {
  AppendChartJson({chart.state, chart.place, dasha_ ? &*dasha_ : nullptr}, selection_, out);
}

void JsonLinesOutput::AppendError(std::uint64_t lineNumber, std::string_view message,
                                  std::string& out) const {
  JsonWriter json(out);
  json.BeginObject();
  json.Key("line");
  json.Integer(static_cast<std::int64_t>(lineNumber));
  json.Key("error");
  json.String(message);
  json.EndObject();
}

const BatchOutput& WholeJsonOutput() {
  static const JsonLinesOutput kWhole;
  return kWhole;
}

}  // namespace tarvel::cli
