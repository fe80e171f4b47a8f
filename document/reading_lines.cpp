#include "document/reading_lines.h"

namespace tarvel {

DocumentLineKind LineKindOf(ReadingRunKind kind) {
  switch (kind) {
    case ReadingRunKind::PlanetHeading:
      return DocumentLineKind::Heading;
    case ReadingRunKind::BlockEnd:
      return DocumentLineKind::Blank;
    default:
      return DocumentLineKind::Entry;
  }
}

TextStyle LineStyle(DocumentLineKind kind) {
  switch (kind) {
    case DocumentLineKind::Heading:
      return {kReadingHeadingColour, true, false};
    case DocumentLineKind::Blank:
      return {kReadingLineColour, false, false};
    case DocumentLineKind::Entry:
      return {kReadingLineColour, false, true};
  }
  return {};
}

std::string LineOfRun(const ReadingRun& run, const ArgalaResult& argala) {
  switch (run.kind) {
    case ReadingRunKind::PlanetHeading:
      return std::string(kPlanetNames[run.planet]);
    case ReadingRunKind::ArgalaLine:
      return EntryLine(argala.argala[run.entry]);
    case ReadingRunKind::VirodhargalaLine:
      return EntryLine(argala.virodhargala[run.entry]);
    case ReadingRunKind::NoArgalaLine:
      return std::string(kNoArgalaText);
    case ReadingRunKind::BlockEnd:
      break;
  }
  return {};
}

std::string ReadingText(const Reading& reading, const ArgalaResult& argala,
                        std::string_view lineBreak) {
  std::string text;
  for (const ReadingRun& run : reading) text.append(LineOfRun(run, argala)).append(lineBreak);
  return text;
}

}  // namespace tarvel
