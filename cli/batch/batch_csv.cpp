#include "cli/batch/batch_csv.h"

#include <algorithm>

#include "cli/chart/quoted_input.h"

namespace tarvel::cli {
namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';

std::string CellRefusal(std::size_t cellIndex, std::string_view what) {
  return Joined({"CSV field ", std::to_string(cellIndex + 1), " ", what});
}

// Reads the quoted cell that starts at `at` (just after its opening quote) into `cell`;
// `at` ends just after the closing quote.
std::optional<std::string> ReadQuoted(std::string_view line, std::size_t& at, std::string& cell,
                                      std::size_t cellIndex) {
  while (true) {
    const std::size_t quote = line.find(kQuote, at);
    if (quote == std::string_view::npos) return CellRefusal(cellIndex, "has no closing quote");
    cell.append(line.substr(at, quote - at));
    at = quote + 1;
    if (at >= line.size() || line[at] != kQuote) return std::nullopt;
    cell.push_back(kQuote);
    ++at;
  }
}

std::string HeaderHelp() {
  return Joined({" (the first line must name the columns: ", BatchFieldList(), ")"});
}

}  // namespace

std::optional<std::string> SplitCsvLine(std::string_view line, std::vector<std::string>& cells) {
  cells.clear();
  std::size_t at = 0;
  while (true) {
    std::string& cell = cells.emplace_back();
    if (at < line.size() && line[at] == kQuote) {
      ++at;
      if (auto refusal = ReadQuoted(line, at, cell, cells.size() - 1)) return refusal;
    } else {
      const std::size_t end = std::min(line.find(kComma, at), line.size());
      cell.assign(line.substr(at, end - at));
      if (cell.find(kQuote) != std::string::npos) {
        return CellRefusal(cells.size() - 1, "has a quote but does not start with one");
      }
      at = end;
    }
    if (at == line.size()) return std::nullopt;
    if (line[at] != kComma)
      return CellRefusal(cells.size() - 1, "has text after its closing quote");
    ++at;
  }
}

std::variant<CsvHeader, std::string> CsvHeader::Parse(std::string_view line) {
  std::vector<std::string> cells;
  if (auto refusal = SplitCsvLine(line, cells)) return Joined({"CSV header: ", *refusal});
  const bool namesAnyField = std::any_of(cells.begin(), cells.end(),
                                         [](const std::string& c) { return FindBatchField(c); });
  if (!namesAnyField) return Joined({"missing CSV header", HeaderHelp()});
  CsvHeader header;
  BirthFields seen;
  for (const std::string& cell : cells) {
    const auto field = FindBatchField(cell);
    if (!field) return Joined({"CSV header: unknown field ", QuotedForMessage(cell), HeaderHelp()});
    if (auto twice = seen.MarkGiven(*field)) return Joined({"CSV header: ", *twice});
    header.columns_.push_back(*field);
  }
  // Zone and offset may both be columns: each row fills one of them.
  if (auto missing = seen.FindMissing()) return Joined({"CSV header: ", *missing});
  return header;
}

std::variant<BirthOptions, std::string> CsvHeader::ParseLine(
    std::string_view line, std::vector<std::string>& cells) const {
  if (auto refusal = SplitCsvLine(line, cells)) return std::move(*refusal);
  if (cells.size() != columns_.size()) {
    return Joined({std::to_string(cells.size()), " CSV fields where the header names ",
                   std::to_string(columns_.size())});
  }
  BirthFields fields;
  // An empty cell leaves its field out: a place or an offset may stand in for it.
  for (std::size_t column = 0; column < columns_.size(); ++column) {
    if (cells[column].empty()) continue;
    if (auto refusal = fields.MarkGiven(columns_[column])) return *refusal;
    if (auto refusal = fields.SetFromText(columns_[column], cells[column])) return *refusal;
  }
  if (auto refusal = fields.Finish()) return *refusal;
  return std::move(fields.Options());
}

}  // namespace tarvel::cli
