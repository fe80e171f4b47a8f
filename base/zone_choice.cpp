#include "base/zone_choice.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/time_zones.h"

namespace tarvel {
namespace {

constexpr double kSecondsOfTimePerDegree = 240;  // 24 hours over 360 degrees
constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;

// Two digits and what follows them, or empty.
std::optional<int> TwoDigits(std::string_view text, std::size_t at) {
  if (text.size() < at + 2) return std::nullopt;
  const char tens = text[at];
  const char ones = text[at + 1];
  if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return std::nullopt;
  return (tens - '0') * 10 + (ones - '0');
}

}  // namespace

std::string ZoneName(const ZoneChoice& zone) {
  switch (zone.kind) {
    case ZoneKind::Offset:
      return UtcOffsetText(zone.offsetSeconds);
    case ZoneKind::LocalMeanTime:
      return "Local mean time";
    case ZoneKind::Row:
      break;
  }
  return std::string(ZoneRowName(zone.row));
}

std::string_view ZoneRowName(int row) {
  if (row < 0 || row >= kTimeZoneRows) return {};
  return kTimeZones[row].name;
}

int LocalMeanTimeOffsetSeconds(double longitudeDeg) {
  return static_cast<int>(std::lround(longitudeDeg * kSecondsOfTimePerDegree));
}

int NearestZoneRow(int offsetSeconds) {
  int nearest = 0;
  int nearestDistance = -1;
  for (int row = 0; row < kTimeZoneRows; ++row) {
    const int rowSeconds = MinutesAheadOfUniversalTime(kTimeZones[row]) * kSecondsPerMinute;
    const int distance = std::abs(rowSeconds - offsetSeconds);
    if (nearestDistance < 0 || distance < nearestDistance) {
      nearest = row;
      nearestDistance = distance;
    }
  }
  return nearest;
}

std::string SignedClockText(int offsetSeconds, bool withSeconds) {
  const int magnitude = std::abs(offsetSeconds);
  const char sign = offsetSeconds < 0 ? '-' : '+';
  const int hours = magnitude / kSecondsPerHour;
  const int minutes = magnitude / kSecondsPerMinute % kSecondsPerMinute;
  const int seconds = magnitude % kSecondsPerMinute;
  std::array<char, 32> text{};
  if (seconds == 0 && !withSeconds) {
    std::snprintf(text.data(), text.size(), "%c%02d:%02d", sign, hours, minutes);
  } else {
    std::snprintf(text.data(), text.size(), "%c%02d:%02d:%02d", sign, hours, minutes, seconds);
  }
  return text.data();
}

std::string UtcOffsetText(int offsetSeconds) {
  return "UTC" + SignedClockText(offsetSeconds);
}

std::optional<int> ParseSignedClock(std::string_view text) {
  if (text.size() != 6 && text.size() != 9) return std::nullopt;
  if (text[0] != '+' && text[0] != '-') return std::nullopt;
  const bool hasSeconds = text.size() == 9;
  if (text[3] != ':' || (hasSeconds && text[6] != ':')) return std::nullopt;
  const auto hours = TwoDigits(text, 1);
  const auto minutes = TwoDigits(text, 4);
  const auto seconds = hasSeconds ? TwoDigits(text, 7) : std::optional<int>{0};
  if (!hours || !minutes || !seconds || *minutes > 59 || *seconds > 59) return std::nullopt;
  const int magnitude = *hours * kSecondsPerHour + *minutes * kSecondsPerMinute + *seconds;
  if (magnitude > kLargestOffsetSeconds) return std::nullopt;
  return text[0] == '-' ? -magnitude : magnitude;
}

}  // namespace tarvel
