#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/batch/batch_command.h"
#include "cli/chart/birth_options.h"
#include "tests/support/seeded_random.h"

namespace tarvel::testing {

/// What RunBatch printed and returned.
struct BatchRun {
  int status = -1;
  std::vector<std::string> lines;  ///< the output, split at line feeds
  std::string err;
};

inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

/// Runs a batch in this process on `input`.
inline BatchRun RunBatchOn(const std::string& input, std::size_t jobs = 1,
                           std::optional<cli::BatchFormat> format = std::nullopt) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  BatchRun run;
  cli::BatchRequest request;
  request.format = format;
  request.jobs = jobs;
  run.status = cli::RunBatch(in, request, out, err);
  run.lines = SplitLines(out.str());
  run.err = err.str();
  return run;
}

/// The output line of a refused input line.
inline std::string ErrorLine(std::uint64_t lineNumber, const std::string& message) {
  return nlohmann::ordered_json{{"line", lineNumber}, {"error", message}}.dump();
}

inline std::string TwoDigits(int value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

/// A birth the chart command accepts: any year of the form, days up to 28, any zone, any
/// coordinates, and sometimes a name and a place.
inline cli::BirthOptions RandomBirth(Lcg& random) {
  static const std::vector<std::string> kNames = {"Asha Rao", "Ravi", "Meera Iyer", "John Smith",
                                                  "Anna"};
  static const std::vector<std::string> kPlaces = {"Mumbai", "New Delhi", "London", "Lima"};
  cli::BirthOptions birth;
  birth.date = std::to_string(random.Between(1900, 2050)) + "-" + TwoDigits(random.Between(1, 12)) +
               "-" + TwoDigits(random.Between(1, 28));
  birth.time = TwoDigits(random.Between(0, 23)) + ":" + TwoDigits(random.Between(0, 59));
  birth.zone = random.Between(0, 70);
  birth.latitude = std::to_string(random.Between(0, 89)) + ":" +
                   std::to_string(random.Between(0, 59)) + (random.Between(0, 1) ? "N" : "S");
  birth.longitude = std::to_string(random.Between(0, 179)) + ":" +
                    std::to_string(random.Between(0, 59)) + (random.Between(0, 1) ? "E" : "W");
  birth.dst = random.Between(0, 3) == 0;
  if (random.Between(0, 1)) birth.name = kNames[random.Between(0, 4)];
  if (random.Between(0, 1)) {
    birth.city = kPlaces[random.Between(0, 3)];
    birth.state = kPlaces[random.Between(0, 3)];
    birth.country = kPlaces[random.Between(0, 3)];
  }
  return birth;
}

/// The chart command's arguments for a birth.
inline std::vector<std::string> ChartArgs(const cli::BirthOptions& birth) {
  std::vector<std::string> args = {"chart",  "--json",        "--date", birth.date,
                                   "--time", birth.time,      "--zone", std::to_string(*birth.zone),
                                   "--lat",  *birth.latitude, "--lon",  *birth.longitude};
  if (birth.dst.value_or(false)) args.push_back("--dst");
  const std::pair<const char*, const std::optional<std::string>*> texts[] = {
      {"--name", &birth.name},
      {"--city", &birth.city},
      {"--state", &birth.state},
      {"--country", &birth.country}};
  for (const auto& [option, value] : texts) {
    if (*value) args.insert(args.end(), {option, **value});
  }
  return args;
}

/// A birth as one JSON line; daylight saving is left out when false.
inline std::string JsonLine(const cli::BirthOptions& birth) {
  nlohmann::ordered_json line{{"date", birth.date},
                              {"time", birth.time},
                              {"zone", *birth.zone},
                              {"lat", *birth.latitude},
                              {"lon", *birth.longitude}};
  if (birth.dst.value_or(false)) line["dst"] = true;
  if (birth.name) line["name"] = *birth.name;
  if (birth.city) line["city"] = *birth.city;
  if (birth.state) line["state"] = *birth.state;
  if (birth.country) line["country"] = *birth.country;
  return line.dump();
}

inline const std::string kCsvHeader = "date,time,zone,lat,lon,dst,name,city,state,country";

/// A CSV cell in quotes, with its quotes doubled.
inline std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

/// A birth as a line under kCsvHeader; the name is quoted, so a comma may be part of it.
inline std::string CsvLine(const cli::BirthOptions& birth) {
  const auto text = [](const std::optional<std::string>& value) { return value.value_or(""); };
  return birth.date + "," + birth.time + "," + std::to_string(*birth.zone) + "," + *birth.latitude +
         "," + *birth.longitude + "," + (birth.dst.value_or(false) ? "true" : "false") + "," +
         Quoted(text(birth.name)) + "," + text(birth.city) + "," + text(birth.state) + "," +
         text(birth.country);
}

}  // namespace tarvel::testing
