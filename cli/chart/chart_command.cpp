#include "cli/chart/chart_command.h"

#include <string>

#include "app/open_reading.h"
#include "app/reading_file_writer.h"
#include "argala/chart_captions.h"
#include "cli/chart/chart_json.h"
#include "cli/chart/chart_text.h"
#include "cli/chart/exit_status.h"
#include "cli/chart/quoted_input.h"
#include "export/chart_document.h"

namespace tarvel::cli {
namespace {

// The reading's line breaks are CR LF; a terminal wants LF alone.
std::string WithUnixLineBreaks(std::string text) {
  std::string::size_type at = 0;
  while ((at = text.find("\r\n", at)) != std::string::npos) text.erase(at, 1);
  return text;
}

using Calculated = std::variant<std::optional<PlaceUsed>, std::string>;

// Fills the form and the chart from the options or from a saved reading; what the atlas made
// of a place, or the message of a refusal.
Calculated Calculate(const ChartRequest& request, const ChartContext& context, BirthForm& form,
                     ChartState& state) {
  if (request.openPath) {
    const auto sky = ChosenSky(request.sky);
    if (const auto* refusal = std::get_if<std::string>(&sky)) return *refusal;
    const Sky& chosen = context.skies.For(std::get<SkySettings>(sky));
    if (auto error = OpenReading(*request.openPath, form, state, chosen)) {
      return error->message + " (" + EscapedForMessage(*request.openPath) + ")";
    }
    return std::optional<PlaceUsed>();
  }
  BirthOptions birth = *request.birth;
  birth.sky = request.sky;
  auto result = CalculateFromOptions(std::move(birth), form, state, context);
  if (auto* error = std::get_if<OptionError>(&result)) return std::move(error->message);
  return std::move(std::get<std::optional<PlaceUsed>>(result));
}

std::string ChartText(const ChartResult& chart, const std::optional<PlaceUsed>& place) {
  std::string text = WithUnixLineBreaks(ReadingPlainText(chart.reading, chart.argala)) +
                     RenderChartText(BuildChartCaptions(chart.signs, chart.positions.grahaDeg));
  text += "Sky: " + SkyLabel(chart.sky, chart.positions.ephemeris) + "\n";
  if (place) {
    text += "Place: " + place->place + "\n";
    if (!place->zoneNote.empty()) text += "Zone: " + place->zoneNote + "\n";
  }
  return text;
}

// Loads the export module and writes the files; the message of a failure.
std::optional<std::string> WriteExports(const ExportTargets& targets, const ChartState& state) {
  auto loaded = LoadChartExporter();
  if (const auto* refusal = std::get_if<std::string>(&loaded)) return *refusal;
  ChartExporter& exporter = *std::get<std::unique_ptr<ChartExporter>>(loaded);
  return ExportChart(exporter, MakeChartDocument(state), targets);
}

}  // namespace

int RunChartCommand(const ChartRequest& request, const ChartContext& context, std::ostream& out,
                    std::ostream& err) {
  BirthForm form;
  ChartState state;
  Calculated calculated = Calculate(request, context, form, state);
  if (const auto* refusal = std::get_if<std::string>(&calculated)) {
    err << "tarvel-cli: " << *refusal << '\n';
    return kExitBadInput;
  }
  const auto& place = std::get<std::optional<PlaceUsed>>(calculated);
  if (request.savePath) {
    if (auto error = SaveReading(*request.savePath, state.BirthData, state.Zone)) {
      // The message names the file as given.
      err << "tarvel-cli: " << EscapedForMessage(error->message) << '\n';
      return kExitFailed;
    }
  }
  if (request.exports.Any()) {
    if (auto error = WriteExports(request.exports, state)) {
      err << "tarvel-cli: " << *error << '\n';
      return kExitFailed;
    }
  }
  if (request.format == ChartFormat::Json) {
    out << ChartJson(state, place) << '\n';
  } else {
    out << ChartText(state.Chart, place);
  }
  return kExitOk;
}

}  // namespace tarvel::cli
