#pragma once

#include <string>
#include <string_view>

#include "argala/argala.h"
#include "argala/reading.h"
#include "base/text_style.h"

namespace tarvel {

/// Planet headings of the reading: light cyan.
inline constexpr Rgb kReadingHeadingColour{0, 255, 255};
/// Reading lines: yellow.
inline constexpr Rgb kReadingLineColour{255, 255, 0};

inline constexpr std::string_view kNoArgalaText = "No Argala Associated with this Planet";

/// What a reading line is, which decides how it is shown.
enum class DocumentLineKind {
  Heading,  ///< a planet's name, heading emphasis
  Entry,    ///< an Argala, a Virodhargala or the no-Argala line, line emphasis
  Blank,    ///< the empty line that ends a planet's block
};

/// Each run of the reading is one line; this is the kind of line it makes.
DocumentLineKind LineKindOf(ReadingRunKind kind);

/// The style of a line: headings light cyan with the heading emphasis, entries yellow with
/// the line emphasis, blank lines yellow without emphasis.
TextStyle LineStyle(DocumentLineKind kind);

/// Appends the text of the line a run makes, nothing for a block end, with no line break (each
/// front end ends its lines its own way).
void AppendLineOfRun(std::string& text, const ReadingRun& run, const ArgalaResult& argala);

/// The text of the line a run makes (see AppendLineOfRun).
std::string LineOfRun(const ReadingRun& run, const ArgalaResult& argala);

/// The reading as text, every line followed by `lineBreak`.
std::string ReadingText(const Reading& reading, const ArgalaResult& argala,
                        std::string_view lineBreak);

}  // namespace tarvel
