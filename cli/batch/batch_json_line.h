#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "cli/chart/birth_options.h"

namespace tarvel::cli {

/// One birth from a line of JSON: a single object whose members are the batch fields, each
/// value of the one JSON type its field takes (see FieldValue); null leaves out a field that is
/// not required. The refusal says what is wrong.
std::variant<BirthOptions, std::string> ParseJsonBirthLine(std::string_view line);

}  // namespace tarvel::cli
