#include "cli/chart/chart_command.h"

#include <string>

#include "cli/chart/chart_json.h"
#include "cli/chart/chart_text.h"
#include "cli/chart/exit_status.h"
#include "cli/chart/quoted_input.h"
#include "document/chart_document.h"
#include "document/chart_document_periods.h"
#include "document/period_lines.h"
#include "form/calculation_driver.h"
#include "form/open_reading.h"
#include "form/reading_file_writer.h"

namespace tarvel::cli {
namespace {

using Calculated = std::variant<std::optional<PlaceUsed>, std::string>;

// The sky a saved reading names stands in for the options the command line leaves out.
SkyChoice ChoiceOf(const std::optional<SkySettings>& sky) {
  if (!sky) return {};
  return {sky->kind, sky->ayanamsa, sky->node};
}

// Restores a saved reading and computes it in the sky the options name, part by part, else in
// the sky it was saved in; the message of a refusal.
std::optional<std::string> OpenSaved(const ChartRequest& request, const ChartContext& context,
                                     BirthForm& form, ChartState& state) {
  const RestoredReading restored = RestoreReading(*request.openPath, form);
  if (const auto* error = std::get_if<FileError>(&restored)) {
    // The reason is what the window shows in the message's details.
    std::string refusal = error->message + " (" + EscapedForMessage(*request.openPath) + ")";
    return error->reason.empty() ? refusal : refusal.append(" ").append(error->reason);
  }
  const auto sky = ChosenSky(request.sky, ChoiceOf(std::get<std::optional<SkySettings>>(restored)));
  if (const auto* refusal = std::get_if<std::string>(&sky)) return *refusal;
  ReadBirthData(form, state);
  RunCalculationChain(state, context.skies.For(std::get<SkySettings>(sky)), request.varga);
  return std::nullopt;
}

// Fills the chart from the options or from a saved reading; what the atlas made of a place, or
// the message of a refusal.
Calculated Calculate(const ChartRequest& request, const ChartContext& context, ChartState& state) {
  if (request.openPath) {
    BirthForm form;
    if (auto refusal = OpenSaved(request, context, form, state)) return std::move(*refusal);
    return std::optional<PlaceUsed>();
  }
  BirthOptions birth = *request.birth;
  birth.sky = request.sky;
  birth.varga = request.varga;
  auto result = CalculateFromOptions(birth, state, context);
  if (auto* error = std::get_if<OptionError>(&result)) return std::move(error->message);
  return std::move(std::get<std::optional<PlaceUsed>>(result));
}

// The synthesis after a blank line: its title, then each recipient's heading and lines, a
// blank line between recipients.
std::string SummaryText(const ChartDocument& document) {
  std::string text = "\n";
  for (std::size_t i = 0; i < document.summary.size(); ++i) {
    const bool last = i + 1 == document.summary.size();
    if (!(last && document.summary[i].kind == DocumentLineKind::Blank)) {
      text.append(document.summary[i].text).append("\n");
    }
  }
  return text;
}

std::string ChartText(const ChartDocument& document, const std::optional<PlaceUsed>& place) {
  std::string text;
  for (const DocumentLine& line : document.reading) text.append(line.text).append("\n");
  text += RenderChartText(document.captions);
  text += "Sky: " + document.header.sky + "\n";
  if (!document.header.varga.empty()) text += "Varga: " + document.header.varga + "\n";
  if (place) {
    text += "Place: " + place->place + "\n";
    if (!place->zoneNote.empty()) text += "Zone: " + place->zoneNote + "\n";
  }
  return text;
}

// The periods after a blank line, a blank line before each mahadasha.
std::string PeriodsText(const ChartResult& chart, const DashaRequest& dasha, CalendarDay on) {
  std::string text = "\n";
  for (const PeriodLine& line : PeriodLines(chart, dasha.year, dasha.depth, on)) {
    if (line.kind == PeriodLineKind::Period && line.level == 0) text.append("\n");
    text.append(PeriodLineText(line)).append("\n");
  }
  return text;
}

// Loads the export module and writes the files; the message of a failure.
std::optional<std::string> WriteExports(const ExportTargets& targets,
                                        const ChartDocument& document) {
  auto loaded = LoadChartExporter();
  if (const auto* refusal = std::get_if<std::string>(&loaded)) return *refusal;
  ChartExporter& exporter = *std::get<std::unique_ptr<ChartExporter>>(loaded);
  return ExportChart(exporter, document, targets);
}

}  // namespace

int RunChartCommand(const ChartRequest& request, const ChartContext& context, std::ostream& out,
                    std::ostream& err) {
  ChartState state;
  Calculated calculated = Calculate(request, context, state);
  if (const auto* refusal = std::get_if<std::string>(&calculated)) {
    err << "tarvel-cli: " << *refusal << '\n';
    return kExitBadInput;
  }
  // A chart the sky could not compute is neither saved, drawn nor printed.
  if (!state.Chart.error.empty()) {
    err << "tarvel-cli: " << EscapedForMessage(state.Chart.error) << '\n';
    return kExitFailed;
  }
  const auto& place = std::get<std::optional<PlaceUsed>>(calculated);
  if (request.savePath) {
    if (auto error = SaveReading(*request.savePath, state.BirthData, state.Zone, state.Chart.sky)) {
      // The message names the file as given.
      err << "tarvel-cli: " << EscapedForMessage(error->message) << '\n';
      return kExitFailed;
    }
  }
  // JSON takes the reading and the captions straight from the chart, so only text and
  // exports need the document.
  const bool needsDocument = request.exports.Any() || request.format != ChartFormat::Json;
  ChartDocument document =
      needsDocument
          ? MakeChartDocument(state, request.details, request.style.value_or(ChartStyle::South))
          : ChartDocument{};
  // A PDF prints the periods after the synthesis, as the window's printouts do.
  if (request.dasha && request.exports.pdfPath) {
    document = WithPeriods(std::move(document), state.Chart, request.dasha->year, request.on);
  }
  if (request.exports.Any()) {
    if (auto error = WriteExports(request.exports, document)) {
      err << "tarvel-cli: " << *error << '\n';
      return kExitFailed;
    }
  }
  if (request.format == ChartFormat::Json) {
    out << ChartJson(state, place, request.dasha ? &*request.dasha : nullptr) << '\n';
  } else {
    out << ChartText(document, place);
    if (request.summary) out << SummaryText(document);
    if (request.dasha) out << PeriodsText(state.Chart, *request.dasha, request.on);
  }
  return kExitOk;
}

}  // namespace tarvel::cli
