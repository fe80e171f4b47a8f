#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "document/box_details.h"
#include "document/chart_captions.h"
#include "document/chart_style.h"
#include "document/reading_lines.h"

namespace tarvel {

/// One line of the reading, without its line break.
struct DocumentLine {
  DocumentLineKind kind = DocumentLineKind::Entry;
  std::string text;  ///< UTF-8; empty for a blank line
  /// A synthesis entry's verdict, which colours it; none for every other line.
  std::optional<SummaryVerdict> verdict = std::nullopt;
  bool operator==(const DocumentLine&) const = default;
};

/// The lines above a chart that say whose it is and how it was computed, UTF-8.
struct ChartHeader {
  std::string title;  ///< the name, trimmed; without one the varga's label, or "Rasi chart"
  std::string birth;  ///< e.g. "Born 14 November 1987 at 06:45, Indian Time, IST, -5.3"
  std::string place;  ///< city, state, country and coordinates, e.g. "Mumbai, India, 18°58' N ..."
  std::string sky;    ///< which sky computed the places, e.g. "Classic formulas"
  std::string varga;  ///< the divisional chart asked for, e.g. "D9 Navamsa"; empty for none
  bool operator==(const ChartHeader&) const = default;
};

/// Everything a chart shows, as plain texts: made once from a chart state, then drawn by
/// whichever front end shows it (the window, the command line's text, print, PDF, SVG and
/// PNG). It holds no reference to the state.
struct ChartDocument {
  ChartHeader header;
  ChartCaptions captions;             ///< sign boxes, legend and position list
  std::vector<DocumentLine> reading;  ///< in order, a blank line after each planet's block
  /// The Argala synthesis, shown after the reading: its title and a blank line, then per
  /// planet and per house a heading, its entries (or "No Argala") and a blank line.
  std::vector<DocumentLine> summary;
  /// By sign number, what each sign box holds as notes beside the chart (see BoxNoteLines).
  std::array<std::vector<std::string>, kSignCount> boxNotes;
  ChartFace face;  ///< how the square is drawn
  /// The Vimshottari periods, shown after the synthesis where asked (see WithPeriods);
  /// empty when not asked.
  std::vector<DocumentLine> periods{};
  bool operator==(const ChartDocument&) const = default;
};

/// The style a line is shown in: a synthesis entry's verdict style, else its kind's.
TextStyle DocumentLineStyle(const DocumentLine& line);

/// The place as its names give it: city, state and country, trimmed, the empty ones left out,
/// joined by ", " (e.g. "Mumbai, India"); empty when none is given.
std::string PlaceNamesText(const BirthData& birth);

/// The header of the state's last calculation.
ChartHeader MakeChartHeader(const ChartState& state);

/// The reading of a chart as lines, one a run.
std::vector<DocumentLine> MakeDocumentLines(const ChartResult& chart);

/// The Argala synthesis of a chart as lines (see ChartDocument::summary).
std::vector<DocumentLine> MakeSummaryLines(const ChartResult& chart);

/// The document of the state's last calculation, its boxes saying what `details` asks and its
/// square drawn in `style`.
ChartDocument MakeChartDocument(const ChartState& state, BoxDetails details = {},
                                ChartStyle style = ChartStyle::South);

/// The header as one line for a narrow place such as the window's result view: its parts
/// joined by " · ", the empty ones left out.
std::string HeaderLine(const ChartHeader& header);

}  // namespace tarvel
