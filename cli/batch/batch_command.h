#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "atlas/lazy_atlas.h"
#include "cli/batch/batch_line.h"
#include "cli/batch/batch_output.h"
#include "cli/chart/chart_exporter.h"
#include "cli/chart/sky_options.h"
#include "document/chart_style.h"
#include "varga/varga.h"

namespace tarvel::cli {

/// What `tarvel-cli batch` was asked for.
struct BatchRequest {
  std::string inputPath = "-";          ///< a file, or "-" for the standard input
  std::optional<BatchFormat> format;    ///< detected from the input when not given
  std::size_t jobs = 1;                 ///< worker threads, at least 1
  std::uint64_t firstLine = 1;          ///< the number of the input's first line, at least 1
  bool showProgress = false;            ///< keep a progress line on the error output
  bool lineBuffered = false;            ///< hand each run of answers to the output at once
  SkyChoice sky;                        ///< the sky of every line that names none
  std::optional<std::string> pdfDir;    ///< a folder for one PDF per line that gives a chart
  ChartExporter* exporter = nullptr;    ///< draws the PDFs; RunBatchCommand loads one if none
  const BatchOutput* output = nullptr;  ///< what each line writes; none: the whole chart's JSON
  std::optional<Varga> varga;           ///< the varga of every line that names none
  std::optional<ChartStyle> style;      ///< the PDFs' style where a line names none; none: South
  /// An atlas that outlives the batch, shared with other work; none: the batch builds its own
  /// should a line name a place.
  const LazyAtlas* atlas = nullptr;
};

/// The format of an input that starts with `firstNonBlank`: '{' means JSON lines.
BatchFormat DetectFormat(std::optional<char> firstNonBlank);

/// Computes one chart per input line and writes one output line per input line (after the
/// output's header, left out when the first line is numbered above 1), in input order; with a
/// PDF folder (made when missing) and an exporter, also one PDF per line that gives a chart,
/// drawn on the calling thread as its line is written; a line whose PDF exists is refused and
/// the file left as it is. Returns
/// 0 when every line gave a chart, 1 otherwise (also when the output, the folder or a PDF failed,
/// each told in one line on `err`; after a PDF failed no more are written).
int RunBatch(std::istream& in, const BatchRequest& request, std::ostream& out, std::ostream& err);

/// `tarvel-cli batch`: RunBatch on the named file or on `standardInput`; a file that cannot
/// be opened, or a PDF folder whose name is not UTF-8, is refused with exit status 2. For PDFs
/// without an exporter it loads the export module, and fails with 1 when that cannot be done.
int RunBatchCommand(const BatchRequest& request, std::istream& standardInput, std::ostream& out,
                    std::ostream& err);

}  // namespace tarvel::cli
