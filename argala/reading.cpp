#include "argala/reading.h"

namespace tarvel {

namespace {

// Writes runs over those a reading already holds, so that their room is used again; the
// reading ends up holding exactly the runs written.
class RunWriter {
 public:
  explicit RunWriter(Reading& reading) : reading_(reading) {}

  void Heading(std::string_view name) {
    ReadingRun& run = Next();
    run.text.assign(name);
    run.colour = kReadingHeadingColour;
    run.heading = true;
    run.line = false;
  }

  void Line(std::string_view text) {
    ReadingRun& run = Next();
    run.text.assign(kReadingLineBreak).append(text);
    run.colour = kReadingLineColour;
    run.heading = false;
    run.line = true;
  }

  void BlockEnd() {
    ReadingRun& run = Next();
    run.text.assign(kReadingLineBreak).append(kReadingLineBreak);
    run.colour = kReadingLineColour;
    run.heading = false;
    run.line = false;
  }

  void Finish() { reading_.resize(count_); }

 private:
  ReadingRun& Next() {
    if (count_ == reading_.size()) reading_.emplace_back();
    return reading_[count_++];
  }

  Reading& reading_;
  std::size_t count_ = 0;
};

// Writes a line for every entry cast by `planetName`; true when there was one. An entry's
// caster is everything before its first "/", its line everything up to the next "/"; a name
// that holds a "/" is therefore no entry's caster.
bool WriteCasterLines(const std::vector<std::string>& list, std::string_view planetName,
                      RunWriter& runs) {
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
    runs.Line(rest.substr(0, rest.find('/')));
  }
  return found;
}

}  // namespace

void FillReading(const std::vector<std::string>& argalaList,
                 const std::vector<std::string>& virodhargalaList, const PlanetTable& planetNames,
                 Reading& reading) {
  RunWriter runs(reading);
  for (int p = 0; p < kPlanetCount; ++p) {
    const std::string& name = planetNames[p];
    runs.Heading(name);
    const bool castsArgala = WriteCasterLines(argalaList, name, runs);
    const bool obstructs = WriteCasterLines(virodhargalaList, name, runs);
    if (!castsArgala && !obstructs) runs.Line(kNoArgalaText);
    runs.BlockEnd();
  }
  runs.Finish();
}

Reading BuildReading(const std::vector<std::string>& argalaList,
                     const std::vector<std::string>& virodhargalaList,
                     const PlanetTable& planetNames) {
  Reading reading;
  FillReading(argalaList, virodhargalaList, planetNames, reading);
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
