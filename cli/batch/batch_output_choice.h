#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "cli/batch/batch_output.h"

namespace tarvel::cli {

/// The output format of a batch.
enum class BatchOutputFormat { JsonLines, Csv };

/// The output in a format with, when given, a comma-separated list of the fields to write
/// (JSON keys or CSV columns) in the order to write them, and the periods when asked or when a
/// field needs them; the refusal of an unknown field lists the known ones.
std::variant<std::unique_ptr<BatchOutput>, std::string> MakeBatchOutput(
    BatchOutputFormat format, const std::optional<std::string>& fields,
    const DashaOptionTexts& dasha = {});

}  // namespace tarvel::cli
