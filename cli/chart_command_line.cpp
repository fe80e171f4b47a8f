#include "cli/chart_command_line.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "cli/chart/quoted_input.h"
#include "cli/chart/style_options.h"
#include "cli/chart/varga_options.h"
#include "form/reading_file.h"

namespace tarvel::cli {
namespace {

constexpr const char* kChartExample =
    "Examples:\n"
    "  tarvel-cli chart --date 1980-03-05 --time 14:07 --zone 34 --lat 18:58N --lon 72:49E \\\n"
    "    --name \"Asha Rao\" --city Mumbai --state Maharashtra --country India\n"
    "  tarvel-cli chart --date 1980-03-05 --time 14:07 --place \"Mumbai, India\" --sky swiss\n"
    "  tarvel-cli chart --open asha.tvl --json --varga 9\n"
    "  tarvel-cli chart --open asha.tvl --summary\n"
    "  tarvel-cli chart --open asha.tvl --pdf asha.pdf --png asha.png --size 800\n"
    "  tarvel-cli chart --open asha.tvl --svg asha.svg --style north\n";

void AddBirthOptions(CLI::App& command, ChartCommandLine& line, CLI::Option* open) {
  BirthOptions& birth = line.birth;
  line.required = {
      command.add_option("--date", birth.date,
                         "Date of birth, YYYY-MM-DD (1900 to 2050; 1800 to 2399 with --sky swiss)"),
      command.add_option("--time", birth.time,
                         "Local clock time of birth, HH:MM or HH:MM:SS (24 hours)"),
      command.add_option("--zone", line.zone, "Time-zone row, 0 to 70 (see 'tarvel-cli zones')"),
      command.add_option("--lat", line.latitude, "Latitude, DD:MM followed by N or S, e.g. 18:58N"),
      command.add_option("--lon", line.longitude,
                         "Longitude, DDD:MM followed by E or W, e.g. 72:49E")};
  std::vector<CLI::Option*> all = line.required;
  CLI::Option* dst = command.add_flag("--dst", line.dst, "Daylight-saving time was in force");
  all.push_back(dst);
  all.push_back(command
                    .add_option("--offset", birth.offset,
                                "Instead of a zone row: the exact offset ahead of universal time, "
                                "+HH:MM[:SS] or -HH:MM[:SS] (at most 15:00, daylight saving "
                                "included), or lmt for the local mean time of the longitude")
                    ->excludes(line.required[2])
                    ->excludes(dst));
  all.push_back(command.add_option(
      "--place", birth.place,
      "Birth place from the atlas, \"City\", \"City, Country\" or \"City, State, Country\": "
      "fills the coordinates, the zone and daylight saving not given (see 'tarvel-cli places')"));
  all.push_back(
      command.add_option("--name", birth.name, "Name of the person (letters and spaces)"));
  all.push_back(command.add_option("--city", birth.city, "City of birth (letters and spaces)"));
  all.push_back(
      command.add_option("--state", birth.state, "State or province (letters and spaces)"));
  all.push_back(command.add_option("--country", birth.country, "Country (letters and spaces)"));
  for (CLI::Option* option : all) option->excludes(open);
}

// The first required option missing; with a place only the date and time are required.
std::optional<std::string> MissingBirthOption(const ChartCommandLine& line) {
  const bool place = line.birth.place.has_value();
  for (std::size_t i = 0; i < line.required.size(); ++i) {
    if (place && i >= 2) break;
    if (line.birth.offset && i == 2) continue;
    if (line.required[i]->count() == 0) {
      return line.required[i]->get_name() +
             (place ? " is required" : " is required (or --place, or --open FILE.tvl)");
    }
  }
  return std::nullopt;
}

// The birth from the options: the zone row read as decimal, the texts given kept as given.
std::variant<BirthOptions, std::string> BirthOf(const ChartCommandLine& line) {
  BirthOptions birth = line.birth;
  if (line.required[2]->count() != 0) {
    auto zone = ParseZoneRow(line.zone);
    if (auto* error = std::get_if<OptionError>(&zone)) return error->message;
    birth.zone = std::get<int>(zone);
  }
  if (line.required[3]->count() != 0) birth.latitude = line.latitude;
  if (line.required[4]->count() != 0) birth.longitude = line.longitude;
  if (line.dst) birth.dst = true;
  return birth;
}

void AddExportOptions(CLI::App& command, ChartCommandLine& line) {
  ExportTargets& exports = line.request.exports;
  command.add_option("--pdf", exports.pdfPath,
                     "Also write the chart and its whole reading to FILE.pdf (A4 pages)");
  command.add_option("--svg", exports.svgPath, "Also draw the chart in FILE.svg");
  command.add_option("--png", exports.pngPath, "Also draw the chart in FILE.png");
  command.add_option("--size", line.size,
                     "Size of the SVG or PNG picture in pixels: WIDTHxHEIGHT, or a width for "
                     "the picture's own proportions (default 1200)");
}

// The picture's size, when one is given; a size for no picture is refused.
std::optional<std::string> ReadPictureSize(const ChartCommandLine& line, ExportTargets& exports) {
  if (line.size.empty()) return std::nullopt;
  if (!exports.svgPath && !exports.pngPath) return "--size is for --svg or --png";
  auto size = ParsePictureSize(line.size);
  if (const auto* refusal = std::get_if<std::string>(&size)) return *refusal;
  exports.size = std::get<PictureSize>(size);
  return std::nullopt;
}

// The periods and the day to mark them for; the day is refused where nothing marks it.
std::optional<std::string> ReadPeriods(const ChartCommandLine& line, ChartRequest& request) {
  auto dasha = ReadDashaOptions(line.dasha);
  if (const auto* refusal = std::get_if<std::string>(&dasha)) return *refusal;
  request.dasha = std::get<std::optional<DashaRequest>>(dasha);
  if (!line.on) {
    request.on = Today();
    return std::nullopt;
  }
  if (!request.dasha) return "--on is for --dasha";
  const auto day = ParseCalendarDay(*line.on);
  if (!day)
    return "--on " + QuotedForMessage(*line.on) + " is not a day of the calendar, YYYY-MM-DD";
  request.on = *day;
  return std::nullopt;
}

using OutputFiles = std::array<std::pair<const char*, const std::optional<std::string>*>, 4>;

// The files a chart writes, the reading first.
OutputFiles Outputs(const ChartRequest& request) {
  return {{
      {"--save", &request.savePath},
      {"--pdf", &request.exports.pdfPath},
      {"--svg", &request.exports.svgPath},
      {"--png", &request.exports.pngPath},
  }};
}

// A reading is saved under the name's bytes as given; the drawings cannot be.
std::optional<std::string> NonUtf8Drawing(const ChartRequest& request) {
  const OutputFiles outputs = Outputs(request);
  for (auto output = outputs.begin() + 1; output != outputs.end(); ++output) {
    if (!*output->second) continue;
    if (auto refusal = RefuseNonUtf8Path(output->first, **output->second)) return refusal;
  }
  return std::nullopt;
}

// A reading saved under another ending could not be opened again: a name without one gets
// ".tvl", any other ending is refused.
std::optional<std::string> ReadSavePath(std::optional<std::string>& savePath) {
  if (!savePath) return std::nullopt;
  const std::string ending = std::filesystem::path(*savePath).extension().string();
  if (ending.empty()) {
    savePath->append(".").append(kReadingFileExtension);
    return std::nullopt;
  }
  if (ending == std::string(".").append(kReadingFileExtension)) return std::nullopt;
  return "--save: " + QuotedForMessage(*savePath) +
         " ends in another way than \".tvl\"; readings end in lower-case \".tvl\", or they "
         "cannot be opened";
}

// Two outputs in one file would leave only the last one written, with no word of it.
std::optional<std::string> SameFileTwice(const ChartRequest& request) {
  std::vector<std::pair<const char*, std::filesystem::path>> seen;
  for (const auto& [option, path] : Outputs(request)) {
    if (!*path) continue;
    std::error_code ignored;
    const auto file = std::filesystem::weakly_canonical(std::filesystem::absolute(**path), ignored);
    for (const auto& [earlier, earlierFile] : seen) {
      if (file == earlierFile) {
        return std::string(earlier) + " and " + option + " name the same file " +
               QuotedForMessage(**path);
      }
    }
    seen.emplace_back(option, file);
  }
  return std::nullopt;
}

}  // namespace

CLI::App* AddChartSubcommand(CLI::App& app, ChartCommandLine& line) {
  CLI::App* chart = app.add_subcommand("chart", "Calculate a chart and print its Argala reading");
  CLI::Option* open =
      chart->add_option("--open", line.request.openPath, "Compute from a saved reading (FILE.tvl)");
  AddBirthOptions(*chart, line, open);
  AddSkyOptions(*chart, line.sky);
  AddVargaOption(*chart, line.varga);
  chart->add_option("--save", line.request.savePath,
                    "Save the reading of this birth to FILE.tvl (\".tvl\" is added to a name "
                    "without an ending)");
  CLI::Option* json = chart->add_flag("--json", line.json, "Print one JSON object instead of text");
  // The JSON always carries the synthesis.
  chart
      ->add_flag("--summary", line.request.summary,
                 "Also print the Argala synthesis: which Argala stand or are obstructed, on each "
                 "planet and each house")
      ->excludes(json);
  chart->add_flag("--degrees", line.request.details.degrees,
                  "Write degrees and minutes beside each point in the chart's boxes, and the "
                  "ascendant's line in the position list");
  chart->add_flag("--retrograde", line.request.details.retrogradeMark,
                  "Mark each planet moving backward with (R) in the chart's boxes");
  AddDashaOptions(*chart, line.dasha);
  chart->add_option("--on", line.on,
                    "With --dasha: mark the periods running on this day, YYYY-MM-DD (today by "
                    "default)");
  AddExportOptions(*chart, line);
  AddStyleOption(*chart, line.style);
  chart->footer(kChartExample);
  return chart;
}

std::variant<ChartRequest, std::string> ReadChartCommandLine(const ChartCommandLine& line) {
  ChartRequest request = line.request;
  request.format = line.json ? ChartFormat::Json : ChartFormat::Text;
  // A saved reading may name the sky the options leave out, so only its names are read here.
  const auto sky = request.openPath ? ReadSkyNames(line.sky) : ReadSkyOptions(line.sky);
  if (const auto* refusal = std::get_if<std::string>(&sky)) return *refusal;
  request.sky = std::get<SkyChoice>(sky);
  if (line.varga) {
    if (auto refusal = ReadVarga(*line.varga, request.varga)) return *refusal;
  }
  if (line.style) {
    if (auto refusal = ReadChartStyle(*line.style, request.style)) return *refusal;
  }
  if (auto refusal = ReadPeriods(line, request)) return *refusal;
  if (auto refusal = ReadPictureSize(line, request.exports)) return *refusal;
  if (auto refusal = ReadSavePath(request.savePath)) return *refusal;
  if (auto refusal = NonUtf8Drawing(request)) return *refusal;
  if (auto refusal = SameFileTwice(request)) return *refusal;
  if (request.openPath) return request;
  if (auto missing = MissingBirthOption(line)) return *missing;
  auto birth = BirthOf(line);
  if (auto* refusal = std::get_if<std::string>(&birth)) return std::move(*refusal);
  request.birth = std::move(std::get<BirthOptions>(birth));
  return request;
}

}  // namespace tarvel::cli
