#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/batch/batch_output.h"

namespace tarvel::cli {

/// What a column of the CSV output holds.
enum class CsvValue {
  Line,
  Name,
  Date,
  Time,
  Place,
  Latitude,
  Longitude,
  UtcOffset,
  Sky,
  Ayanamsa,
  Node,
  BodyLongitude,
  BodySign,
  BodyHouse,
  ArgalaReceived,
  VirodhargalaReceived,
  BodyNakshatra,
  BodyPada,
  DashaLordAtBirth,
  DashaBalanceDays,
  Error
};

/// One column: its name in the header, what it holds and, for a body's column, the body
/// (kAscendantBody or a planet index).
struct CsvColumn {
  std::string name;
  CsvValue value;
  int body = 0;
};
inline constexpr int kAscendantBody = -1;

/// Every column in the order of a whole row with the periods.
const std::vector<CsvColumn>& CsvColumns();

/// One CSV row per input line after a header row: the input line's number (always the first
/// column, so that no row is empty and rows can be matched with the input), the birth as the
/// chart read it, where each body stands, how many Argala and Virodhargala each planet
/// receives, each body's nakshatra, the first period's lord and balance when asked, and the
/// error of a refused line (every other cell of its row but the first empty). Cells are quoted
/// as RFC 4180 asks.
class CsvOutput : public BatchOutput {
 public:
  /// Every column (the periods' only with `dasha`), or the line's number and those named in a
  /// comma-separated list, in its order; an unknown or repeated name is refused with the known
  /// ones listed.
  static std::variant<CsvOutput, std::string> Make(const std::optional<std::string>& names,
                                                   bool dasha = false);
  /// Whether a column needs the periods.
  bool WritesDasha() const;
  /// The year the periods' columns count in.
  void SetDasha(DashaRequest dasha) { dasha_ = dasha; }

  // The reading is never written, so it is never computed.
  ChartParts Needs() const override { return {0}; }
  std::string Header() const override;
  void AppendChart(std::uint64_t lineNumber, const ChartJsonSource& chart,
                   std::string& out) const override;
  void AppendError(std::uint64_t lineNumber, std::string_view message,
                   std::string& out) const override;

 private:
  std::vector<const CsvColumn*> columns_;
  DashaRequest dasha_;
};

/// Appends a cell as RFC 4180 writes it: in double quotes, quotes doubled, when it holds a
/// comma, a quote or a line break; as it is otherwise.
void AppendCsvCell(std::string_view text, std::string& out);

}  // namespace tarvel::cli
