#include "cli/cli_app.h"

#include <CLI/CLI.hpp>

#include "atlas/lazy_atlas.h"
#include "base/time_zones.h"
#include "chart/skies.h"
#include "cli/batch/batch_cli.h"
#include "cli/chart/quoted_input.h"
#include "cli/chart_command_line.h"
#include "cli/places_command.h"
#include "tarvel_version.h"

namespace tarvel::cli {
namespace {

void PrintZones(std::ostream& out) {
  for (int row = 0; row < kTimeZoneRows; ++row) {
    const TimeZoneRow& zone = kTimeZones[row];
    out << row << '\t' << zone.name << '\t' << zone.hours << '\t' << zone.minutes << '\n';
  }
}

CLI::App* AddPlacesSubcommand(CLI::App& app, PlacesRequest& request) {
  CLI::App* places = app.add_subcommand(
      "places", "List the atlas's cities starting with a name: coordinates, zone, population");
  places->add_option("QUERY", request.query, "A city's name or its start, e.g. \"Mumb\"")
      ->required();
  places->add_option("--limit", request.limit, "The most cities to list (default 10)")
      ->check(CLI::Range(1, 1000));
  places->add_flag("--json", request.json, "Print one JSON array instead of text");
  return places;
}

int Refused(std::ostream& err, const std::string& message) {
  err << "tarvel-cli: " << message << '\n';
  return kExitBadInput;
}

// What was printed must have reached its device: a full disk or a closed output is a failure,
// not a silent success.
int Written(int status, std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return status;
  err << "tarvel-cli: " << kOutputFailure << '\n';
  return kExitFailed;
}

}  // namespace

int RunTarvelCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const LazyAtlas atlas;
  return RunTarvelCli(argc, argv, atlas, out, err);
}

int RunTarvelCli(int argc, const char* const* argv, const LazyAtlas& atlas, std::ostream& out,
                 std::ostream& err) {
  CLI::App app{"Tarvel: Vedic Argala (planetary intervention) charts from birth data."};
  app.name("tarvel-cli");
  app.require_subcommand(1);
  app.set_version_flag("--version", "tarvel-cli " + std::string(kVersion),
                       "Print the program's name and version, and exit");

  CLI::App* zones =
      app.add_subcommand("zones", "List the 71 time zones: ROW, TEXT, HOURS, MINUTES");
  ChartCommandLine chartLine;
  CLI::App* chart = AddChartSubcommand(app, chartLine);
  BatchCommandLine batchLine;
  CLI::App* batch = AddBatchSubcommand(app, batchLine);
  PlacesRequest placesRequest;
  CLI::App* places = AddPlacesSubcommand(app, placesRequest);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return Written(kExitOk, out, err);
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return Written(kExitOk, out, err);
  } catch (const CLI::ParseError& error) {
    // The parser's message may quote the arguments, line breaks and all.
    return Refused(err, EscapedForMessage(error.what()) + " (see 'tarvel-cli --help')");
  }
  if (zones->parsed()) {
    PrintZones(out);
    return Written(kExitOk, out, err);
  }
  if (places->parsed()) return Written(RunPlacesCommand(placesRequest, atlas, out, err), out, err);
  // A batch checks its output as it goes and says so itself.
  if (batch->parsed()) {
    batchLine.request.atlas = &atlas;
    return RunBatchSubcommand(batchLine, out, err);
  }
  if (!chart->parsed()) return kExitBadInput;
  auto request = ReadChartCommandLine(chartLine);
  if (const auto* refusal = std::get_if<std::string>(&request)) return Refused(err, *refusal);
  const Skies skies;
  return Written(RunChartCommand(std::get<ChartRequest>(request), {skies, atlas, {}}, out, err),
                 out, err);
}

}  // namespace tarvel::cli
