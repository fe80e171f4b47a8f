#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "chart/chart_result.h"
#include "cli/chart/chart_json.h"

namespace tarvel::cli {

/// How a batch writes what became of each input line: one JSON line or one CSV row. Shared by
/// every worker thread, so it never changes once made.
class BatchOutput {
 public:
  virtual ~BatchOutput() = default;
  /// The parts of the chain the written fields need.
  virtual ChartParts Needs() const = 0;
  /// What comes before the first line (a header line with its line feed), or nothing.
  virtual std::string Header() const { return {}; }
  /// Appends the line of a chart given by input line `lineNumber`, without its line feed.
  virtual void AppendChart(std::uint64_t lineNumber, const ChartJsonSource& chart,
                           std::string& out) const = 0;
  /// Appends the line of a refused input line, without its line feed.
  virtual void AppendError(std::uint64_t lineNumber, std::string_view message,
                           std::string& out) const = 0;
};

/// The chart's JSON with the selected keys, and the periods when asked; an error as
/// {"line":N,"error":"..."}.
class JsonLinesOutput : public BatchOutput {
 public:
  explicit JsonLinesOutput(ChartJsonSelection selection = {},
                           std::optional<DashaRequest> dasha = std::nullopt)
      : selection_(std::move(selection)), needs_(selection_.Needs()), dasha_(dasha) {}
  ChartParts Needs() const override { return needs_; }
  void AppendChart(std::uint64_t lineNumber, const ChartJsonSource& chart,
                   std::string& out) const override;
  void AppendError(std::uint64_t lineNumber, std::string_view message,
                   std::string& out) const override;

 private:
  ChartJsonSelection selection_;
  ChartParts needs_;
  std::optional<DashaRequest> dasha_;
};

/// The whole chart's JSON, for a batch asked for no other output.
const BatchOutput& WholeJsonOutput();

}  // namespace tarvel::cli
