#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "cli/chart/birth_options.h"

namespace tarvel::cli {

/// One birth from a line of JSON: a single object whose members are the batch fields (see
/// kBatchFieldNames), the texts as strings, "zone" a whole number and "dst" true or false;
/// null leaves out a name, a place or daylight saving. The refusal says what is wrong.
std::variant<BirthOptions, std::string> ParseJsonBirthLine(std::string_view line);

}  // namespace tarvel::cli
