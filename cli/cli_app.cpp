#include "cli/cli_app.h"

#include <CLI/CLI.hpp>

#include "base/time_zones.h"
#include "cli/batch/batch_cli.h"
#include "cli/chart/chart_command.h"
#include "tarvel_version.h"

namespace tarvel::cli {
namespace {

constexpr const char* kChartExample =
    "Example:\n"
    "  tarvel-cli chart --date 1980-03-05 --time 14:07 --zone 34 --lat 18:58N --lon 72:49E \\\n"
    "    --name \"Asha Rao\" --city Mumbai --state Maharashtra --country India\n"
    "  tarvel-cli chart --open asha.tvl --json\n";

void PrintZones(std::ostream& out) {
  for (int row = 0; row < kTimeZoneRows; ++row) {
    const TimeZoneRow& zone = kTimeZones[row];
    out << row << '\t' << zone.name << '\t' << zone.hours << '\t' << zone.minutes << '\n';
  }
}

// The five options a birth cannot do without, unless it comes from a saved reading.
std::vector<CLI::Option*> AddBirthOptions(CLI::App& command, BirthOptions& birth,
                                          std::string& zoneText, CLI::Option* open) {
  std::vector<CLI::Option*> required{
      command.add_option("--date", birth.date, "Date of birth, YYYY-MM-DD (1900 to 2050)"),
      command.add_option("--time", birth.time, "Local clock time of birth, HH:MM (24 hours)"),
      command.add_option("--zone", zoneText, "Time-zone row, 0 to 70 (see 'tarvel-cli zones')"),
      command.add_option("--lat", birth.latitude,
                         "Latitude, DD:MM followed by N or S, e.g. 18:58N"),
      command.add_option("--lon", birth.longitude,
                         "Longitude, DDD:MM followed by E or W, e.g. 72:49E")};
  std::vector<CLI::Option*> all = required;
  all.push_back(command.add_flag("--dst", birth.dst, "Daylight-saving time was in force"));
  all.push_back(
      command.add_option("--name", birth.name, "Name of the person (letters and spaces)"));
  all.push_back(command.add_option("--city", birth.city, "City of birth (letters and spaces)"));
  all.push_back(
      command.add_option("--state", birth.state, "State or province (letters and spaces)"));
  all.push_back(command.add_option("--country", birth.country, "Country (letters and spaces)"));
  for (CLI::Option* option : all) option->excludes(open);
  return required;
}

std::optional<std::string> MissingBirthOption(const std::vector<CLI::Option*>& required) {
  for (const CLI::Option* option : required) {
    if (option->count() == 0) return option->get_name() + " is required (or --open FILE.tvl)";
  }
  return std::nullopt;
}

}  // namespace

int RunTarvelCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"Tarvel: Vedic Argala (planetary intervention) charts from birth data."};
  app.name("tarvel-cli");
  app.require_subcommand(1);
  app.set_version_flag("--version", "tarvel-cli " + std::string(kVersion),
                       "Print the program's name and version, and exit");

  CLI::App* zones =
      app.add_subcommand("zones", "List the 71 time zones: ROW, TEXT, HOURS, MINUTES");

  BirthOptions birth;
  std::string zoneText;  // read as decimal here: CLI11 would take "034" for an octal number
  ChartRequest request;
  bool json = false;
  CLI::App* chart = app.add_subcommand("chart", "Calculate a chart and print its Argala reading");
  CLI::Option* open =
      chart->add_option("--open", request.openPath, "Compute from a saved reading (FILE.tvl)");
  const auto requiredBirthOptions = AddBirthOptions(*chart, birth, zoneText, open);
  chart->add_option("--save", request.savePath, "Save the reading of this birth to FILE.tvl");
  chart->add_flag("--json", json, "Print one JSON object instead of text");
  chart->footer(kChartExample);

  BatchCommandLine batchLine;
  CLI::App* batch = AddBatchSubcommand(app, batchLine);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return kExitOk;
  } catch (const CLI::ParseError& error) {
    err << "tarvel-cli: " << error.what() << " (see 'tarvel-cli --help')\n";
    return kExitBadInput;
  }
  if (zones->parsed()) {
    PrintZones(out);
    return kExitOk;
  }
  if (batch->parsed()) return RunBatchSubcommand(batchLine, out, err);
  if (!request.openPath) {
    if (auto missing = MissingBirthOption(requiredBirthOptions)) {
      err << "tarvel-cli: " << *missing << '\n';
      return kExitBadInput;
    }
    auto zone = ParseZoneRow(zoneText);
    if (auto* error = std::get_if<OptionError>(&zone)) {
      err << "tarvel-cli: " << error->message << '\n';
      return kExitBadInput;
    }
    birth.zone = std::get<int>(zone);
    request.birth = birth;
  }
  request.format = json ? ChartFormat::Json : ChartFormat::Text;
  return RunChartCommand(request, out, err);
}

}  // namespace tarvel::cli
