#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/batch/batch_csv.h"
#include "cli/batch/batch_lines.h"
#include "cli/batch/batch_output.h"
#include "cli/batch/chart_worker.h"

namespace tarvel::cli {

/// How the lines of a batch describe their births.
enum class BatchFormat { JsonLines, Csv };

/// The longest line a batch reads, without a final CR; a birth takes a few hundred bytes.
inline constexpr std::size_t kMaxBatchLineBytes = 16 * 1024;
/// What a batch keeps of a line: the longest with its CR.
inline constexpr std::size_t kMaxBatchLineBytesKept = kMaxBatchLineBytes + 1;

/// The text of a line fit for parsing, without a final CR; the refusal of a line that is too
/// long, holds a NUL byte or is not UTF-8.
std::variant<std::string_view, std::string> CheckLine(std::string_view text,
                                                      const LineShape& shape);

/// Turns input lines into output lines. Each worker thread has its own, with its own chart
/// state; the CSV header and the output, shared, never change.
class BatchLineProcessor {
 public:
  BatchLineProcessor(BatchFormat format, const CsvHeader* header, const ChartContext& context,
                     const BatchOutput& output)
      : format_(format), header_(header), worker_(context), output_(output) {}

  /// Appends the output of one input line and a line feed to `output`: the chart's line or the
  /// error's (an empty line is refused too), as the batch's output writes them. False for a
  /// refused line.
  bool AppendOutput(std::uint64_t lineNumber, std::string_view text, const LineShape& shape,
                    std::string& output);

  /// Appends the error line of a line refused after all, and a line feed, to `output`.
  void AppendRefusal(std::uint64_t lineNumber, std::string_view message, std::string& output) const;

  /// The state of the last line that gave a chart.
  const ChartState& LastChart() const { return worker_.State(); }
  /// The style the last line that gave a chart asked for, if it named one.
  std::optional<ChartStyle> LastStyle() const { return lastStyle_; }

 private:
  // Appends the chart of a line to `output`; the refusal otherwise.
  std::optional<std::string> AppendChart(std::uint64_t lineNumber, std::string_view text,
                                         const LineShape& shape, std::string& output);

  BatchFormat format_;
  const CsvHeader* header_;
  ChartWorker worker_;
  const BatchOutput& output_;
  std::vector<std::string> cells_;
  std::optional<ChartStyle> lastStyle_;
};

}  // namespace tarvel::cli
