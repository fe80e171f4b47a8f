#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/chart/birth_options.h"
#include "cli/chart/chart_exporter.h"
#include "cli/chart/chart_from_options.h"
#include "cli/chart/dasha_options.h"
#include "document/box_details.h"
#include "document/chart_style.h"

namespace tarvel::cli {

enum class ChartFormat { Text, Json };

/// What `tarvel-cli chart` was asked for: a birth from the options or from a saved reading,
/// the sky, the output format, where to save the reading afterwards and the files to draw
/// it in.
struct ChartRequest {
  std::optional<BirthOptions> birth;    ///< the birth from the options, unless opened
  std::optional<std::string> openPath;  ///< a saved reading (.tvl) to compute from
  std::optional<std::string> savePath;  ///< where to save the reading of this birth
  SkyChoice sky;  ///< the sky; for a saved reading, the parts left out come from its file
  std::optional<Varga> varga;  ///< the divisional chart, none for the plain Rasi chart
  ChartFormat format = ChartFormat::Text;
  bool summary = false;             ///< the text ends with the Argala synthesis
  BoxDetails details;               ///< what the boxes say in the text and the files
  ExportTargets exports;            ///< PDF, SVG and PNG files, written after the reading is saved
  std::optional<ChartStyle> style;  ///< how the files draw the square; none: South Indian
  std::optional<DashaRequest> dasha;  ///< the periods, after the reading or in the JSON
  CalendarDay on;                     ///< the day whose running periods the text marks
};

/// Calculates one chart and prints it: the reading and the chart square as text, then a line
/// naming the sky (and the place the atlas found) and, when asked, the Argala synthesis and the
/// periods; or one JSON object. Files to export are
/// written first, with the export module loaded only then. Returns the exit status; a
/// refusal, a chart the sky cannot compute, or a file that cannot be saved or written, prints
/// one line to `err` and nothing to `out`.
int RunChartCommand(const ChartRequest& request, const ChartContext& context, std::ostream& out,
                    std::ostream& err);

}  // namespace tarvel::cli
