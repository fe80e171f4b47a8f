#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/batch/batch_output.h"

namespace tarvel::fuzz {

/// How many lines a batch reads from `input`: a UTF-8 byte order mark at the start is no
/// part of them, and a last line without its line feed counts.
std::size_t InputLineCount(std::string_view input);

/// Runs a batch in this process on one thread; its exit status and output. Its error output
/// must stay empty: nothing but a failed output or input writes there.
struct BatchOutcome {
  int status = -1;
  std::string output;
};
/// With an output, the lines are written as it writes them; without, as whole charts' JSON.
BatchOutcome RunBatchOn(std::string_view input, bool csv, const cli::BatchOutput* output = nullptr);

/// Every output line is one JSON object, in order: the chart of a line, or the error of the
/// line it stands for, numbered from `firstLineNumber`. There must be `expectedLines` of them.
/// A chart's line is told by `chartKey`, the first key its output writes.
void CheckBatchOutput(std::string_view output, std::uint64_t firstLineNumber,
                      std::size_t expectedLines, std::string_view chartKey = "BirthData");

/// The output is a CSV header of `columns` cells, then `expectedLines` rows of as many cells.
void CheckCsvOutput(std::string_view output, std::size_t columns, std::size_t expectedLines);

}  // namespace tarvel::fuzz
