#include "form/reading_file_extension.h"

#include <charconv>
#include <sstream>

namespace tarvel {
namespace {

constexpr std::string_view kLocalMeanTimeText = "LMT";
constexpr std::size_t kZoneLines = 2;
constexpr std::size_t kSkyLines = 3;

int OffsetSecondsOf(const BirthData& birth, const ZoneChoice& zone) {
  if (zone.kind == ZoneKind::Offset) return zone.offsetSeconds;
  const double magnitudeDeg = birth.LonDeg + birth.LonMin / 60.0;
  return LocalMeanTimeOffsetSeconds(birth.IsEast != kFalse ? magnitudeDeg : -magnitudeDeg);
}

std::optional<int> SecondOf(std::string_view text) {
  int second = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), second);
  if (error != std::errc{} || end != text.data() + text.size() || second < 0 || second > 59) {
    return std::nullopt;
  }
  return second;
}

std::string SkyText(const SkySettings& sky) {
  std::string text(SkyCommandName(sky.kind));
  return text.append(" ")
      .append(AyanamsaCommandName(sky.ayanamsa))
      .append(" ")
      .append(NodeName(sky.node));
}

std::optional<SkySettings> SkyOf(const std::string& text) {
  std::istringstream words(text);
  std::string kind, ayanamsa, node, more;
  if (!(words >> kind >> ayanamsa >> node) || words >> more) return std::nullopt;
  const auto parsedKind = ParseSky(kind);
  const auto parsedAyanamsa = ParseAyanamsa(ayanamsa);
  const auto parsedNode = ParseNode(node);
  if (!parsedKind || !parsedAyanamsa || !parsedNode) return std::nullopt;
  return SkySettings{*parsedKind, *parsedAyanamsa, *parsedNode};
}

bool RestoreZone(const std::string& text, BirthForm& form) {
  if (text.empty()) return true;
  form.chkDST = false;
  if (text == kLocalMeanTimeText) {
    form.zoneKind = ZoneKind::LocalMeanTime;
    return true;
  }
  const std::optional<int> offsetSeconds = ParseSignedClock(text);
  if (!offsetSeconds) return false;
  form.zoneKind = ZoneKind::Offset;
  form.zoneOffsetSeconds = *offsetSeconds;
  return true;
}

}  // namespace

int ReadingFileRow(const BirthData& birth, const ZoneChoice& zone) {
  if (zone.kind == ZoneKind::Row) return zone.row;
  return NearestZoneRow(OffsetSecondsOf(birth, zone));
}

std::vector<std::string> ExtensionTexts(const BirthData& birth, const ZoneChoice& zone,
                                        const SkySettings& sky) {
  const bool classic = sky.kind == SkyKind::Classic;
  if (birth.BirthSecond == 0 && zone.kind == ZoneKind::Row && classic) return {};
  std::string zoneText;
  if (zone.kind == ZoneKind::Offset) zoneText = SignedClockText(zone.offsetSeconds, true);
  if (zone.kind == ZoneKind::LocalMeanTime) zoneText = kLocalMeanTimeText;
  std::vector<std::string> texts{std::to_string(birth.BirthSecond), zoneText};
  if (!classic) texts.push_back(SkyText(sky));
  return texts;
}

bool RestoreExtension(const std::vector<std::string>& texts, BirthForm& form,
                      std::optional<SkySettings>& sky) {
  sky.reset();
  if (texts.empty()) return true;
  if (texts.size() != kZoneLines && texts.size() != kSkyLines) return false;
  const std::optional<int> second = SecondOf(texts[0]);
  if (!second || !RestoreZone(texts[1], form)) return false;
  form.cboSecond = *second;
  if (texts.size() == kZoneLines) return true;
  sky = SkyOf(texts[2]);
  return sky.has_value();
}

}  // namespace tarvel
