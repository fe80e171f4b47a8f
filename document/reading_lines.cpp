#include "document/reading_lines.h"

#include "document/argala_text.h"

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

void AppendLineOfRun(std::string& text, const ReadingRun& run, const ArgalaResult& argala) {
  switch (run.kind) {
    case ReadingRunKind::PlanetHeading:
      text.append(kPlanetNames[run.planet]);
      return;
    case ReadingRunKind::ArgalaLine:
      return AppendEntryLine(text, argala.argala[run.entry]);
    case ReadingRunKind::VirodhargalaLine:
      return AppendEntryLine(text, argala.virodhargala[run.entry]);
    case ReadingRunKind::NoArgalaLine:
      text.append(kNoArgalaText);
      return;
    case ReadingRunKind::BlockEnd:
      return;
  }
}

std::string LineOfRun(const ReadingRun& run, const ArgalaResult& argala) {
  std::string text;
  AppendLineOfRun(text, run, argala);
  return text;
}

std::string ReadingText(const Reading& reading, const ArgalaResult& argala,
                        std::string_view lineBreak) {
  std::string text;
  for (const ReadingRun& run : reading) {
    AppendLineOfRun(text, run, argala);
    text.append(lineBreak);
  }
  return text;
}

}  // namespace tarvel
