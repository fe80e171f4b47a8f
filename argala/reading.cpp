#include "argala/reading.h"

namespace tarvel {

namespace {

ReadingRun LineRun(std::string_view text) {
  std::string runText;
  runText.reserve(kReadingLineBreak.size() + text.size());
  runText.append(kReadingLineBreak).append(text);
  return ReadingRun{.text = std::move(runText), .colour = kReadingLineColour, .line = true};
}

// Appends a line for every entry cast by `planetName`; true when there was one. An entry's
// caster is everything before its first "/", its line everything up to the next "/"; a name
// that holds a "/" is therefore no entry's caster.
bool AppendCasterLines(const std::vector<std::string>& list, std::string_view planetName,
                       Reading& reading) {
  if (planetName.find('/') != std::string_view::npos) return false;
  bool found = false;
  for (const std::string_view entry : list) {
    // The slash right after the name rules out most entries before any comparing.
    if (entry.size() <= planetName.size() || entry[planetName.size()] != '/' ||
        !entry.starts_with(planetName)) {
      continue;
    }
    found = true;
    const std::string_view rest = entry.substr(planetName.size() + 1);
    reading.push_back(LineRun(rest.substr(0, rest.find('/'))));
  }
  return found;
}

}  // namespace

Reading BuildReading(const std::vector<std::string>& argalaList,
                     const std::vector<std::string>& virodhargalaList,
                     const PlanetTable& planetNames) {
  Reading reading;
  // A heading, a closing run and at most one no-Argala line per planet, and the entries.
  reading.reserve(3 * kPlanetCount + argalaList.size() + virodhargalaList.size());
  for (int p = 0; p < kPlanetCount; ++p) {
    const std::string& name = planetNames[p];
    reading.push_back(ReadingRun{.text = name, .colour = kReadingHeadingColour, .heading = true});
    const bool castsArgala = AppendCasterLines(argalaList, name, reading);
    const bool obstructs = AppendCasterLines(virodhargalaList, name, reading);
    if (!castsArgala && !obstructs) reading.push_back(LineRun(kNoArgalaText));
    std::string blockEnd(kReadingLineBreak);
    blockEnd.append(kReadingLineBreak);
    reading.push_back(ReadingRun{.text = std::move(blockEnd), .colour = kReadingLineColour});
  }
  return reading;
}

std::string ReadingPlainText(const Reading& reading) {
  std::size_t length = 0;
  for (const ReadingRun& run : reading) length += run.text.size();
  std::string text;
  text.reserve(length);
  for (const ReadingRun& run : reading) text += run.text;
  return text;
}

}  // namespace tarvel
