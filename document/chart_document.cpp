#include "document/chart_document.h"

#include <iterator>

#include <fmt/format.h>

#include "base/date_text.h"
#include "base/signs.h"
#include "base/text.h"
#include "base/zone_choice.h"
#include "chart/varga_positions.h"
#include "document/box_notes.h"
#include "document/summary_text.h"
#include "varga/varga.h"

namespace tarvel {
namespace {

constexpr std::string_view kUntitled = "Rasi chart";
constexpr std::string_view kPartSeparator = " · ";

// The zone as the form named it, then the offset in force: a row's own text ("-5.3") reads
// the wrong way round to most people, and daylight saving moves it.
std::string BirthText(const BirthData& birth, const ZoneChoice& zone, int offsetSeconds) {
  std::string text = "Born " + DateText(birth.BirthYear, birth.BirthMonth, birth.BirthDay) +
                     " at " + ClockText(birth.BirthHour, birth.BirthMinute);
  // Seconds are written only where there are some, so that earlier texts stay as they were.
  if (birth.BirthSecond != 0) fmt::format_to(std::back_inserter(text), ":{:02}", birth.BirthSecond);
  const std::string zoneName = ZoneName(zone);
  if (!zoneName.empty()) text.append(", ").append(zoneName);
  const bool daylightSaving = birth.IsDST != kFalse;
  if (zone.kind == ZoneKind::Row) {
    text.append(daylightSaving ? ", daylight saving: " : ": ").append(UtcOffsetText(offsetSeconds));
    return text;
  }
  if (zone.kind == ZoneKind::LocalMeanTime) text.append(" ").append(UtcOffsetText(offsetSeconds));
  if (daylightSaving) text.append(", daylight-saving time");
  return text;
}

// "18°58' N" from whole degrees and minutes and a direction letter.
std::string Coordinate(int degrees, int minutes, char direction) {
  return fmt::format("{}\xC2\xB0{:02}' {}", degrees, minutes, direction);
}

std::string PlaceText(const BirthData& birth) {
  std::string text = PlaceNamesText(birth);
  if (!text.empty()) text.append(", ");
  text.append(Coordinate(birth.LatDeg, birth.LatMin, birth.IsSouth != kFalse ? 'S' : 'N'));
  text.append(", ");
  text.append(Coordinate(birth.LonDeg, birth.LonMin, birth.IsEast != kFalse ? 'E' : 'W'));
  return text;
}

}  // namespace

std::string PlaceNamesText(const BirthData& birth) {
  std::string text;
  for (const std::string* part : {&birth.BirthCity, &birth.BirthState, &birth.BirthCountry}) {
    const std::string_view trimmed = TrimSpaces(*part);
    if (trimmed.empty()) continue;
    if (!text.empty()) text.append(", ");
    text.append(trimmed);
  }
  return text;
}

TextStyle DocumentLineStyle(const DocumentLine& line) {
  return line.verdict ? VerdictStyle(*line.verdict) : LineStyle(line.kind);
}

ChartHeader MakeChartHeader(const ChartState& state) {
  const std::string_view name = TrimSpaces(state.BirthData.BirthName);
  std::string varga = state.Chart.varga ? VargaLabel(*state.Chart.varga) : std::string();
  // A chart without a name is titled by what it is: a varga's placements are no Rasi chart.
  std::string title(name.empty() ? (varga.empty() ? kUntitled : varga) : name);
  return {std::move(title),
          BirthText(state.BirthData, state.Zone, state.Chart.instant.offsetSeconds),
          PlaceText(state.BirthData), SkyLabel(state.Chart.sky, state.Chart.positions.ephemeris),
          std::move(varga)};
}

std::vector<DocumentLine> MakeDocumentLines(const ChartResult& chart) {
  std::vector<DocumentLine> lines;
  lines.reserve(chart.reading.size());
  for (const ReadingRun& run : chart.reading) {
    lines.push_back({LineKindOf(run.kind), LineOfRun(run, chart.argala)});
  }
  return lines;
}

std::vector<DocumentLine> MakeSummaryLines(const ChartResult& chart) {
  std::vector<DocumentLine> lines = {{DocumentLineKind::Heading, std::string(kSummaryTitle)}};
  for (SummaryLine& line : SummaryLines(chart.summary, chart.argala, chart.signs)) {
    if (line.kind == SummaryLineKind::Heading) {
      lines.push_back({DocumentLineKind::Blank, {}});
      lines.push_back({DocumentLineKind::Heading, std::move(line.text)});
      continue;
    }
    const bool entry = line.kind == SummaryLineKind::Entry;
    lines.push_back({DocumentLineKind::Entry, std::move(line.text),
                     entry ? std::optional(line.verdict) : std::nullopt});
  }
  lines.push_back({DocumentLineKind::Blank, {}});
  return lines;
}

namespace {

void AppendVargaSign(std::string& position, std::optional<int> sign) {
  if (sign && !position.empty()) position.append("  ").append(SignAbbrev(*sign));
}

void FillVargaSign(ListRow& row, std::optional<int> sign) {
  if (sign) row.vargaSign = SignAbbrev(*sign);
}

// The list's varga column, headed by the varga's short name ("D9").
void AddVargaColumn(ChartCaptions& captions, const ChartSigns& signs, Varga varga) {
  captions.vargaHeading = fmt::format("D{}", RuleOf(varga).factor);
  for (int p = 0; p < kPlanetCount; ++p) FillVargaSign(captions.planetRows[p], signs.grahas[p]);
  FillVargaSign(captions.ascendantRow, signs.ascendant);
}

// The chart's captions; in a varga each position also names the body's sign there. The
// nakshatras are always the sky's: a varga's sign holds no nakshatra of its own.
ChartCaptions CaptionsOf(const ChartResult& chart, BoxDetails details) {
  ChartCaptions captions = DetailedCaptions(chart.signs, chart.positions, details);
  AddNakshatras(captions, NakshatrasOf(chart.positions),
                chart.varga.value_or(Varga::D1) != Varga::D1);
  if (!chart.varga) return captions;
  AddVargaColumn(captions, chart.signs, *chart.varga);
  // The boxes give each body's degrees within its varga sign; the list keeps the sky's.
  ChartCaptions inVarga =
      DetailedCaptions(chart.signs, PositionsInVarga(chart.positions, *chart.varga), details);
  captions.lblSign = std::move(inVarga.lblSign);
  captions.signItems = std::move(inVarga.signItems);
  for (int p = 0; p < kPlanetCount; ++p) {
    AppendVargaSign(captions.lblPlanets_Position[p], chart.signs.grahas[p]);
  }
  AppendVargaSign(captions.ascendantPosition, chart.signs.ascendant);
  return captions;
}

}  // namespace

ChartDocument MakeChartDocument(const ChartState& state, BoxDetails details, ChartStyle style) {
  const ChartResult& chart = state.Chart;
  ChartDocument document{MakeChartHeader(state),
                         CaptionsOf(chart, details),
                         MakeDocumentLines(chart),
                         MakeSummaryLines(chart),
                         {},
                         ChartFace{style, chart.signs.ascendant.value_or(0)}};
  for (int sign = 0; sign < kSignCount; ++sign) document.boxNotes[sign] = BoxNoteLines(chart, sign);
  return document;
}

std::string HeaderLine(const ChartHeader& header) {
  std::string line;
  for (const std::string* part :
       {&header.title, &header.birth, &header.place, &header.sky, &header.varga}) {
    if (part->empty()) continue;
    if (!line.empty()) line.append(kPartSeparator);
    line.append(*part);
  }
  return line;
}

}  // namespace tarvel
