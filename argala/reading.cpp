#include "argala/reading.h"

#include <optional>

namespace tarvel {

namespace {

struct SplitEntry {
  std::string_view caster;
  std::string_view line;
};

// The caster is everything before the first "/", the line everything up to the next "/".
std::optional<SplitEntry> SplitAtSlash(std::string_view entry) {
  const std::size_t first = entry.find('/');
  if (first == std::string_view::npos) return std::nullopt;
  const std::string_view rest = entry.substr(first + 1);
  return SplitEntry{entry.substr(0, first), rest.substr(0, rest.find('/'))};
}

ReadingRun LineRun(std::string_view text) {
  std::string runText(kReadingLineBreak);
  runText.append(text);
  return ReadingRun{.text = runText, .colour = kReadingLineColour, .line = true};
}

// Appends a line for every entry cast by `planetName`; true when there was one.
bool AppendCasterLines(const std::vector<std::string>& list, std::string_view planetName,
                       Reading& reading) {
  bool found = false;
  for (const std::string& entry : list) {
    const std::optional<SplitEntry> split = SplitAtSlash(entry);
    if (!split || split->caster != planetName) continue;
    found = true;
    reading.push_back(LineRun(split->line));
  }
  return found;
}

}  // namespace

Reading BuildReading(const std::vector<std::string>& argalaList,
                     const std::vector<std::string>& virodhargalaList,
                     const PlanetTable& planetNames) {
  Reading reading;
  for (int p = 0; p < kPlanetCount; ++p) {
    const std::string& name = planetNames[p];
    reading.push_back(ReadingRun{.text = name, .colour = kReadingHeadingColour, .heading = true});
    const bool castsArgala = AppendCasterLines(argalaList, name, reading);
    const bool obstructs = AppendCasterLines(virodhargalaList, name, reading);
    if (!castsArgala && !obstructs) reading.push_back(LineRun(kNoArgalaText));
    std::string blockEnd(kReadingLineBreak);
    blockEnd.append(kReadingLineBreak);
    reading.push_back(ReadingRun{.text = blockEnd, .colour = kReadingLineColour});
  }
  return reading;
}

std::string ReadingPlainText(const Reading& reading) {
  std::string text;
  for (const ReadingRun& run : reading) text += run.text;
  return text;
}

}  // namespace tarvel
