#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/batch/batch_fields.h"
#include "cli/chart/birth_options.h"

namespace tarvel::cli {

/// Splits one CSV record at its commas into `cells` (cleared first). A cell in double quotes
/// may hold commas, and "" stands for one quote inside it; a quote anywhere else, text after
/// a closing quote and a quote left open are refused. A line break cannot be part of a cell.
std::optional<std::string> SplitCsvLine(std::string_view line, std::vector<std::string>& cells);

/// The columns of a CSV input, from its header line.
class CsvHeader {
 public:
  /// The header from the first line: every cell names a batch field, each at most once, and
  /// the required ones are all there. A first line that names no field at all is refused as
  /// a missing header.
  static std::variant<CsvHeader, std::string> Parse(std::string_view line);

  /// One birth from a data line; `cells` is scratch space, kept between calls.
  std::variant<BirthOptions, std::string> ParseLine(std::string_view line,
                                                    std::vector<std::string>& cells) const;

 private:
  std::vector<BatchField> columns_;
};

}  // namespace tarvel::cli
