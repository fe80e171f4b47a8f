#include "cli/chart_command.h"

#include <string>
#include <variant>

#include "app/calculation_driver.h"
#include "argala/reading.h"
#include "cli/captured_result_view.h"
#include "cli/chart_json.h"
#include "cli/chart_text.h"
#include "cli/cli_app.h"

namespace tarvel::cli {
namespace {

// The reading's line breaks are CR LF; a terminal wants LF alone.
std::string WithUnixLineBreaks(std::string text) {
  std::string::size_type at = 0;
  while ((at = text.find("\r\n", at)) != std::string::npos) text.erase(at, 1);
  return text;
}

}  // namespace

int RunChartCommand(const BirthOptions& options, ChartFormat format, std::ostream& out,
                    std::ostream& err) {
  auto built = BuildBirthForm(options);
  if (auto* error = std::get_if<OptionError>(&built)) {
    err << "tarvel-cli: " << error->message << '\n';
    return kExitBadInput;
  }
  const BirthForm& form = std::get<BirthForm>(built);
  ChartState state;
  CapturedResultView view;
  InitTimeZones(state.TimeZones);
  ReadBirthData(form, state);
  RunCalculationChain(state, view);
  if (format == ChartFormat::Json) {
    out << ChartJson(state, form.cboTimeZone, view.reading) << '\n';
  } else {
    out << WithUnixLineBreaks(ReadingPlainText(view.reading)) << RenderChartText(view.captions);
  }
  return kExitOk;
}

}  // namespace tarvel::cli
