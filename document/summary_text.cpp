#include "document/summary_text.h"

#include "document/argala_text.h"

namespace tarvel {

namespace {

constexpr std::array<std::string_view, 3> kKindNames = {"Primary", "Secondary", "Vipareeta"};
constexpr std::array<std::string_view, 4> kVerdictNames = {"Unobstructed", "Prevails", "Balanced",
                                                           "Obstructed"};
// Green stands, blue prevails, amber is balanced, red is obstructed.
constexpr std::array<Rgb, 4> kVerdictColours = {
    {{0, 150, 70}, {60, 120, 230}, {190, 120, 0}, {220, 60, 60}}};
// By position, 1 to 12.
constexpr std::array<std::string_view, 13> kOrdinals = {
    "", "1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th", "11th", "12th"};

void AppendNamesFrom(std::string& text, PlanetSet planets, int position) {
  std::string_view separator;
  ForEachPlanetIn(planets, [&](PlanetIndex planet) {
    text.append(separator).append(kPlanetNames[planet]);
    separator = " and ";
  });
  text.append(" from the ").append(OrdinalText(position));
}

void AddRecipient(std::string heading, const RecipientSummary& recipient,
                  std::vector<SummaryLine>& lines) {
  lines.push_back({SummaryLineKind::Heading, std::move(heading)});
  for (const SummaryEntry& entry : recipient.Entries()) {
    lines.push_back({SummaryLineKind::Entry, SummaryEntryText(entry), entry.verdict});
  }
  if (recipient.Entries().empty()) {
    lines.push_back({SummaryLineKind::NoArgala, std::string(kNoSummaryArgalaText)});
  }
}

}  // namespace

std::string_view OrdinalText(int position) {
  return kOrdinals[static_cast<std::size_t>(position)];
}

std::string PlanetHeading(PlanetIndex planet, std::optional<int> house) {
  std::string text(kPlanetNames[planet]);
  if (house) text.append(" (house ").append(HouseText(house)).append(")");
  return text;
}

std::string HouseHeading(int house, int sign) {
  return "House " + std::to_string(house) + " (" + std::string(kSignNames[sign]) + ")";
}

TextStyle VerdictStyle(SummaryVerdict verdict) {
  return {kVerdictColours[static_cast<std::size_t>(verdict)], false, true};
}

std::string_view SummaryKindName(SummaryKind kind) {
  return kKindNames[static_cast<std::size_t>(kind)];
}

std::string_view SummaryVerdictName(SummaryVerdict verdict) {
  return kVerdictNames[static_cast<std::size_t>(verdict)];
}

void AppendSummaryEntryText(std::string& text, const SummaryEntry& entry) {
  AppendNamesFrom(text, entry.casters, entry.position);
  text.append(": ").append(SummaryKindName(entry.kind)).append(" Argala — ");
  text.append(SummaryVerdictName(entry.verdict));
  if (entry.obstructers == 0) return;
  text.append(" (");
  AppendNamesFrom(text, entry.obstructers, ObstructingPosition(entry.position));
  text.append(")");
}

std::string SummaryEntryText(const SummaryEntry& entry) {
  std::string text;
  AppendSummaryEntryText(text, entry);
  return text;
}

std::vector<SummaryLine> SummaryLines(const ArgalaSummary& summary, const ArgalaResult& argala,
                                      const ChartSigns& signs) {
  std::vector<SummaryLine> lines;
  for (int p = 0; p < kPlanetCount; ++p) {
    const auto planet = static_cast<PlanetIndex>(p);
    AddRecipient(PlanetHeading(planet, argala.houses[p]), summary.planets[p], lines);
  }
  for (int house = 1; house <= kSignCount; ++house) {
    AddRecipient(HouseHeading(house, HouseSign(signs, house)), summary.houses[house - 1], lines);
  }
  return lines;
}

}  // namespace tarvel
