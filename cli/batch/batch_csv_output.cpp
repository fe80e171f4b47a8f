#include "cli/batch/batch_csv_output.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <optional>

#include <fmt/format.h>

#include "base/coordinates.h"
#include "base/signs.h"
#include "base/text.h"
#include "cli/chart/quoted_input.h"
#include "document/argala_text.h"
#include "document/chart_document.h"
#include "document/nakshatra_text.h"

namespace tarvel::cli {
namespace {

struct NamedValue {
  std::string_view name;
  CsvValue value;
};

constexpr std::array<NamedValue, 10> kBirthColumns = {{{"name", CsvValue::Name},
                                                       {"date", CsvValue::Date},
                                                       {"time", CsvValue::Time},
                                                       {"place", CsvValue::Place},
                                                       {"latitude", CsvValue::Latitude},
                                                       {"longitude", CsvValue::Longitude},
                                                       {"utc_offset", CsvValue::UtcOffset},
                                                       {"sky", CsvValue::Sky},
                                                       {"ayanamsa", CsvValue::Ayanamsa},
                                                       {"node", CsvValue::Node}}};
constexpr std::array<NamedValue, 3> kBodyColumns = {{{"_longitude", CsvValue::BodyLongitude},
                                                     {"_sign", CsvValue::BodySign},
                                                     {"_house", CsvValue::BodyHouse}}};
constexpr std::array<NamedValue, 2> kPlanetColumns = {
    {{"_argala_received", CsvValue::ArgalaReceived},
     {"_virodhargala_received", CsvValue::VirodhargalaReceived}}};
constexpr std::array<NamedValue, 2> kNakshatraColumns = {
    {{"_nakshatra", CsvValue::BodyNakshatra}, {"_pada", CsvValue::BodyPada}}};
constexpr std::array<NamedValue, 2> kDashaColumns = {
    {{"dasha_lord_at_birth", CsvValue::DashaLordAtBirth},
     {"dasha_balance_days", CsvValue::DashaBalanceDays}}};
// Column names of the planets, in planet order.
constexpr std::array<std::string_view, kPlanetCount> kPlanetColumnNames = {
    "sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "n_node", "s_node"};

template <std::size_t N>
void AddBodyColumns(const std::array<NamedValue, N>& suffixes, std::vector<CsvColumn>& columns) {
  for (int body = kAscendantBody; body < kPlanetCount; ++body) {
    const std::string_view bodyName =
        body == kAscendantBody ? "ascendant" : kPlanetColumnNames[body];
    for (const auto& [suffix, value] : suffixes)
      columns.push_back({std::string(bodyName).append(suffix), value, body});
  }
}

std::vector<CsvColumn> MakeColumns() {
  std::vector<CsvColumn> columns{{"line", CsvValue::Line}};
  for (const auto& [name, value] : kBirthColumns) columns.push_back({std::string(name), value});
  AddBodyColumns(kBodyColumns, columns);
  for (int planet = 0; planet < kPlanetCount; ++planet) {
    for (const auto& [suffix, value] : kPlanetColumns)
      columns.push_back({std::string(kPlanetColumnNames[planet]).append(suffix), value, planet});
  }
  AddBodyColumns(kNakshatraColumns, columns);
  for (const auto& [name, value] : kDashaColumns) columns.push_back({std::string(name), value});
  columns.push_back({"error", CsvValue::Error});
  return columns;
}

bool IsDashaColumn(const CsvColumn& column) {
  return column.value == CsvValue::DashaLordAtBirth || column.value == CsvValue::DashaBalanceDays;
}

std::string KnownColumns() {
  std::string names;
  for (const CsvColumn& column : CsvColumns())
    names.append(names.empty() ? "" : ",").append(column.name);
  return names;
}

// The shortest text that reads back to the same double.
void AppendNumber(double value, std::string& out) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  out.append(text, end);
}

// The offset the chart applied, daylight saving included, as +HH:MM or +HH:MM:SS.
void AppendUtcOffset(const BirthInstant& instant, std::string& out) {
  const int magnitude = std::abs(instant.offsetSeconds);
  const char sign = instant.offsetSeconds < 0 ? '-' : '+';
  const auto to = std::back_inserter(out);
  fmt::format_to(to, "{}{:02}:{:02}", sign, magnitude / 3600, magnitude / 60 % 60);
  if (magnitude % 60 != 0) fmt::format_to(to, ":{:02}", magnitude % 60);
}

void AppendEntriesReceived(const std::vector<ArgalaEntry>& entries, int planet, std::string& out) {
  const auto count = std::count_if(entries.begin(), entries.end(),
                                   [&](const ArgalaEntry& e) { return e.recipient == planet; });
  out.append(std::to_string(count));
}

void AppendBirthValue(CsvValue value, const ChartJsonSource& chart, std::string& out) {
  const BirthData& birth = chart.state.BirthData;
  const SkyNames sky = NamesOfSky(chart.state.Chart);
  switch (value) {
    case CsvValue::Name:
      return AppendCsvCell(birth.BirthName, out);
    case CsvValue::Date:
      fmt::format_to(std::back_inserter(out), "{:04}-{:02}-{:02}", birth.BirthYear,
                     birth.BirthMonth, birth.BirthDay);
      return;
    case CsvValue::Time:
      fmt::format_to(std::back_inserter(out), "{:02}:{:02}:{:02}", birth.BirthHour,
                     birth.BirthMinute, birth.BirthSecond);
      return;
    case CsvValue::Place:
      // The place the atlas found, or the names as given.
      return AppendCsvCell(chart.place ? chart.place->place : PlaceNamesText(birth), out);
    case CsvValue::Latitude:
      return AppendNumber(LatitudeNorthDeg(birth), out);
    case CsvValue::Longitude:
      return AppendNumber(LongitudeEastDeg(birth), out);
    case CsvValue::UtcOffset:
      return AppendUtcOffset(chart.state.Chart.instant, out);
    case CsvValue::Sky:
      return AppendCsvCell(sky.sky, out);
    case CsvValue::Ayanamsa:
      return AppendCsvCell(sky.ayanamsa, out);
    default:
      return AppendCsvCell(sky.node, out);
  }
}

// The sign and house columns follow the chart's signs and houses, so that they are those of
// whatever division the chart was cast in; the longitudes are always the sky's.
void AppendBodyValue(const CsvColumn& column, const ChartResult& chart, std::string& out) {
  const bool ascendant = column.body == kAscendantBody;
  const std::optional<int> sign =
      ascendant ? chart.signs.ascendant : chart.signs.grahas[column.body];
  const double longitudeDeg =
      ascendant ? chart.positions.ascendantDeg : chart.positions.grahaDeg[column.body];
  switch (column.value) {
    case CsvValue::BodyLongitude:
      return AppendNumber(longitudeDeg, out);
    case CsvValue::BodyNakshatra:
      return AppendCsvCell(NakshatraEntryOf({}, longitudeDeg).name, out);
    case CsvValue::BodyPada:
      out.append(std::to_string(NakshatraEntryOf({}, longitudeDeg).pada));
      return;
    case CsvValue::BodySign:
      if (sign) out.append(kSignNames[static_cast<std::size_t>(*sign)]);
      return;
    case CsvValue::BodyHouse:
      // The houses count from the ascendant's sign, so the ascendant stands in the first.
      if (!ascendant) {
        out.append(HouseText(chart.argala.houses[column.body]));
      } else if (sign) {
        out.push_back('1');
      }
      return;
    case CsvValue::ArgalaReceived:
      return AppendEntriesReceived(chart.argala.argala, column.body, out);
    default:
      return AppendEntriesReceived(chart.argala.virodhargala, column.body, out);
  }
}

// The first mahadasha's lord, or what remains of it at birth in days, from the row's periods.
void AppendDashaValue(CsvValue value, const VimshottariDasha& dasha, std::string& out) {
  if (value == CsvValue::DashaLordAtBirth) {
    out.append(kPlanetNames[DashaLevel(dasha, 0).front().lord]);
  } else {
    AppendNumber(dasha.balance.days, out);
  }
}

}  // namespace

const std::vector<CsvColumn>& CsvColumns() {
  static const std::vector<CsvColumn> kColumns = MakeColumns();
  return kColumns;
}

void AppendCsvCell(std::string_view text, std::string& out) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out.append(text);
    return;
  }
  out.push_back('"');
  for (const char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

std::variant<CsvOutput, std::string> CsvOutput::Make(const std::optional<std::string>& names,
                                                     bool dasha) {
  CsvOutput output;
  const auto& columns = CsvColumns();
  if (!names) {
    for (const CsvColumn& column : columns) {
      if (dasha || !IsDashaColumn(column)) output.columns_.push_back(&column);
    }
    return output;
  }
  output.columns_.push_back(&columns.front());
  for (std::string_view name : SplitAtCommas(*names)) {
    // The line's number stands first in any case.
    if (name == columns.front().name) continue;
    const auto column = std::find_if(columns.begin(), columns.end(),
                                     [&](const CsvColumn& c) { return c.name == name; });
    const bool known = column != columns.end();
    if (!known || std::find(output.columns_.begin(), output.columns_.end(), &*column) !=
                      output.columns_.end()) {
      return std::string("--fields: ") + (known ? "repeated" : "unknown") + " column " +
             QuotedForMessage(name) + " (the columns: " + KnownColumns() + ")";
    }
    output.columns_.push_back(&*column);
  }
  return output;
}

bool CsvOutput::WritesDasha() const {
  return std::any_of(columns_.begin(), columns_.end(),
                     [](const CsvColumn* column) { return IsDashaColumn(*column); });
}

std::string CsvOutput::Header() const {
  std::string header;
  for (const CsvColumn* column : columns_) {
    if (!header.empty()) header.push_back(',');
    header.append(column->name);
  }
  return header.append("\n");
}

void CsvOutput::AppendChart(std::uint64_t lineNumber, const ChartJsonSource& chart,
                            std::string& out) const {
  // The periods are computed once for the row, where a column asks for them.
  std::optional<VimshottariDasha> dasha;
  out.append(std::to_string(lineNumber));
  for (std::size_t i = 1; i < columns_.size(); ++i) {
    out.push_back(',');
    const CsvColumn& column = *columns_[i];
    if (column.value == CsvValue::Error) continue;
    if (column.value < CsvValue::BodyLongitude) {
      AppendBirthValue(column.value, chart, out);
    } else if (IsDashaColumn(column)) {
      if (!dasha) dasha = DashaOfChart(chart.state.Chart, dasha_.year, DashaDepth::Mahadasha);
      AppendDashaValue(column.value, *dasha, out);
    } else {
      AppendBodyValue(column, chart.state.Chart, out);
    }
  }
}

void CsvOutput::AppendError(std::uint64_t lineNumber, std::string_view message,
                            std::string& out) const {
  out.append(std::to_string(lineNumber));
  for (std::size_t i = 1; i < columns_.size(); ++i) {
    out.push_back(',');
    if (columns_[i]->value == CsvValue::Error) AppendCsvCell(message, out);
  }
}

}  // namespace tarvel::cli
