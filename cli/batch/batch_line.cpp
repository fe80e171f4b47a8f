#include "cli/batch/batch_line.h"

#include "base/text.h"
#include "base/utf8.h"
#include "cli/batch/batch_fields.h"
#include "cli/batch/batch_json_line.h"

namespace tarvel::cli {

std::variant<std::string_view, std::string> CheckLine(std::string_view text,
                                                      const LineShape& shape) {
  // A CR before the line feed is no part of the line, nor of its length.
  if (text.ends_with('\r')) text.remove_suffix(1);
  if (shape.tooLong || text.size() > kMaxBatchLineBytes) {
    return Joined({"line is longer than ", std::to_string(kMaxBatchLineBytes), " bytes"});
  }
  // The JSON reader would stop at a NUL byte and take the line for what stands before it.
  if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
    return Joined({"NUL byte at byte ", std::to_string(nul + 1)});
  }
  if (const auto invalid = FindInvalidUtf8(text)) {
    return Joined({"invalid UTF-8 at byte ", std::to_string(*invalid + 1)});
  }
  return text;
}

std::optional<std::string> BatchLineProcessor::AppendChart(std::uint64_t lineNumber,
                                                           std::string_view text,
                                                           const LineShape& shape,
                                                           std::string& output) {
  const auto checked = CheckLine(text, shape);
  if (const auto* refusal = std::get_if<std::string>(&checked)) return *refusal;
  const std::string_view line = std::get<std::string_view>(checked);
  if (TrimSpaces(line, " \t").empty()) return "empty line";
  auto parsed = format_ == BatchFormat::JsonLines ? ParseJsonBirthLine(line)
                                                  : header_->ParseLine(line, cells_);
  if (auto* refusal = std::get_if<std::string>(&parsed)) return std::move(*refusal);
  lastStyle_ = std::get<BirthOptions>(parsed).style;
  auto calculated = worker_.Calculate(std::move(std::get<BirthOptions>(parsed)), output_.Needs());
  if (auto* error = std::get_if<OptionError>(&calculated)) return std::move(error->message);
  output_.AppendChart(lineNumber, {worker_.State(), std::get<std::optional<PlaceUsed>>(calculated)},
                      output);
  return std::nullopt;
}

bool BatchLineProcessor::AppendOutput(std::uint64_t lineNumber, std::string_view text,
                                      const LineShape& shape, std::string& output) {
  const auto refusal = AppendChart(lineNumber, text, shape, output);
  if (refusal) {
    AppendRefusal(lineNumber, *refusal, output);
  } else {
    output += '\n';
  }
  return !refusal;
}

void BatchLineProcessor::AppendRefusal(std::uint64_t lineNumber, std::string_view message,
                                       std::string& output) const {
  output_.AppendError(lineNumber, message, output);
  output += '\n';
}

}  // namespace tarvel::cli
