#include "cli/chart_command.h"

#include <string>
#include <variant>

#include "app/calculation_driver.h"
#include "app/open_reading.h"
#include "app/reading_file_writer.h"
#include "argala/reading.h"
#include "cli/captured_result_view.h"
#include "cli/chart_json.h"
#include "cli/chart_text.h"
#include "cli/chart_worker.h"
#include "cli/cli_app.h"

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
                                     ChartState& state, CapturedResultView& view) {
  if (request.openPath) {
    if (auto error = OpenReading(*request.openPath, form, state, view)) {
      return error->message + " (" + *request.openPath + ")";
    }
    return std::nullopt;
  }
  if (auto error = CalculateFromOptions(*request.birth, form, state, view)) return error->message;
  return std::nullopt;
}

}  // namespace

int RunChartCommand(const ChartRequest& request, std::ostream& out, std::ostream& err) {
  BirthForm form;
  ChartState state;
  CapturedResultView view;
  if (auto refusal = Calculate(request, form, state, view)) {
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
    out << ChartJson(state, form.cboTimeZone, view.reading) << '\n';
  } else {
    out << WithUnixLineBreaks(ReadingPlainText(view.reading)) << RenderChartText(view.captions);
  }
  return kExitOk;
}

}  // namespace tarvel::cli
