#include "form/reading_file_extension.h"

#include <charconv>

namespace tarvel {
namespace {

constexpr std::string_view kLocalMeanTimeText = "LMT";
constexpr int kExtensionLines = 2;

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

}  // namespace

int ReadingFileRow(const BirthData& birth, const ZoneChoice& zone) {
  if (zone.kind == ZoneKind::Row) return zone.row;
  return NearestZoneRow(OffsetSecondsOf(birth, zone));
}

std::vector<std::string> ExtensionTexts(const BirthData& birth, const ZoneChoice& zone) {
  if (birth.BirthSecond == 0 && zone.kind == ZoneKind::Row) return {};
  std::string zoneText;
  if (zone.kind == ZoneKind::Offset) zoneText = SignedClockText(zone.offsetSeconds, true);
  if (zone.kind == ZoneKind::LocalMeanTime) zoneText = kLocalMeanTimeText;
  return {std::to_string(birth.BirthSecond), zoneText};
}

bool RestoreExtension(const std::vector<std::string>& texts, BirthForm& form) {
  if (texts.empty()) return true;
  if (texts.size() != kExtensionLines) return false;
  const std::optional<int> second = SecondOf(texts[0]);
  if (!second) return false;
  form.cboSecond = *second;
  if (texts[1].empty()) return true;
  form.chkDST = false;
  if (texts[1] == kLocalMeanTimeText) {
    form.zoneKind = ZoneKind::LocalMeanTime;
    return true;
  }
  const std::optional<int> offsetSeconds = ParseSignedClock(texts[1]);
  if (!offsetSeconds) return false;
  form.zoneKind = ZoneKind::Offset;
  form.zoneOffsetSeconds = *offsetSeconds;
  return true;
}

}  // namespace tarvel
