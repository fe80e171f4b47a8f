#include "cli/chart/chart_command.h"

#include <string>

#include "app/open_reading.h"
#include "app/reading_file_writer.h"
#include "argala/chart_captions.h"
#include "cli/chart/chart_from_options.h"
#include "cli/chart/chart_json.h"
#include "cli/chart/chart_text.h"
#include "cli/chart/exit_status.h"
#include "positions/classic_sky.h"

namespace tarvel::cli {
namespace {

// The reading's line breaks are CR LF; a terminal wants LF alone.
std::string WithUnixLineBreaks(std::string text) {
  std::string::size_type at = 0;
  while ((at = text.find("\r\n", at)) != std::string::npos) text.erase(at, 1);
  return text;
}

// Fills the form and the chart from the options or from a saved reading; the message of a
// refusal otherwise.
std::optional<std::string> Calculate(const ChartRequest& request, BirthForm& form,
                                     ChartState& state, const Sky& sky) {
  if (request.openPath) {
    if (auto error = OpenReading(*request.openPath, form, state, sky)) {
      return error->message + " (" + *request.openPath + ")";
    }
    return std::nullopt;
  }
  if (auto error = CalculateFromOptions(*request.birth, form, state, sky)) return error->message;
  return std::nullopt;
}

std::string ChartText(const ChartResult& chart) {
  return WithUnixLineBreaks(ReadingPlainText(chart.reading, chart.argala)) +
         RenderChartText(BuildChartCaptions(chart.signs, chart.positions.grahaDeg));
}

}  // namespace

int RunChartCommand(const ChartRequest& request, std::ostream& out, std::ostream& err) {
  const ClassicSky sky;
  BirthForm form;
  ChartState state;
  if (auto refusal = Calculate(request, form, state, sky)) {
    err << "tarvel-cli: " << *refusal << '\n';
    return kExitBadInput;
  }
  if (request.savePath) {
    if (auto error = SaveReading(*request.savePath, state.BirthData, form.cboTimeZone)) {
      err << "tarvel-cli: " << error->message << '\n';
      return kExitFailed;
    }
  }
  if (request.format == ChartFormat::Json) {
    out << ChartJson(state) << '\n';
  } else {
    out << ChartText(state.Chart);
  }
  return kExitOk;
}

}  // namespace tarvel::cli
