#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "argala/argala.h"
#include "argala/argala_text.h"
#include "base/text_style.h"

namespace tarvel {

/// Planet headings of the reading: light cyan.
inline constexpr Rgb kReadingHeadingColour{0, 255, 255};
/// Reading lines: yellow.
inline constexpr Rgb kReadingLineColour{255, 255, 0};

inline constexpr std::string_view kReadingLineBreak = "\r\n";
inline constexpr std::string_view kNoArgalaText = "No Argala Associated with this Planet";

enum class ReadingRunKind {
  PlanetHeading,     ///< the planet's name
  ArgalaLine,        ///< a line break and an Argala the planet casts
  VirodhargalaLine,  ///< a line break and a Virodhargala the planet makes
  NoArgalaLine,      ///< a line break and the no-Argala line
  BlockEnd,          ///< two line breaks after the planet's lines
};

/// One run of the reading: a piece of text with one style.
struct ReadingRun {
  ReadingRunKind kind = ReadingRunKind::PlanetHeading;
  PlanetIndex planet = Sun;  ///< the planet whose block the run belongs to
  std::uint16_t entry = 0;   ///< the entry's index in its list, for the two entry lines
  bool operator==(const ReadingRun&) const = default;
};

using Reading = std::vector<ReadingRun>;

/// The reading: for each planet in index order, its name as a heading, then a line for every
/// Argala and then every Virodhargala it casts, or the no-Argala line, and an empty line.
Reading BuildReading(const ArgalaResult& argala);

/// The style of a run: headings light cyan with the heading emphasis, lines yellow with the
/// line emphasis, block ends yellow without emphasis.
TextStyle RunStyle(ReadingRunKind kind);

/// Calls `piece(text)` for each piece of a run's text, in order: views of constants, with each
/// line break (kReadingLineBreak) a piece of its own.
template <typename Piece>
void ForEachPieceOfRun(const ReadingRun& run, const ArgalaResult& argala, Piece piece) {
  const auto entryLine = [&](const ArgalaEntry& entry) {
    piece(kReadingLineBreak);
    const EntryPieces pieces = PiecesOfEntry(entry);
    for (std::size_t i = kEntryLineFirstPiece; i < pieces.size(); ++i) piece(pieces[i]);
  };
  switch (run.kind) {
    case ReadingRunKind::PlanetHeading:
      piece(kPlanetNames[run.planet]);
      return;
    case ReadingRunKind::ArgalaLine:
      entryLine(argala.argala[run.entry]);
      return;
    case ReadingRunKind::VirodhargalaLine:
      entryLine(argala.virodhargala[run.entry]);
      return;
    case ReadingRunKind::NoArgalaLine:
      piece(kReadingLineBreak);
      piece(kNoArgalaText);
      return;
    case ReadingRunKind::BlockEnd:
      piece(kReadingLineBreak);
      piece(kReadingLineBreak);
      return;
  }
}

/// Appends a run's text (UTF-8; line breaks CR LF).
void AppendRunText(std::string& text, const ReadingRun& run, const ArgalaResult& argala);

/// The reading's text without styles; line breaks stay CR LF.
std::string ReadingPlainText(const Reading& reading, const ArgalaResult& argala);

}  // namespace tarvel
