#include "app/window/sky_preference.h"

namespace tarvel {

namespace {

constexpr const char* kSkyKey = "sky/kind";
constexpr const char* kAyanamsaKey = "sky/ayanamsa";
constexpr const char* kNodeKey = "sky/node";

QString Text(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

std::string Stored(const QSettings& settings, const char* key) {
  return settings.value(key).toString().toStdString();
}

}  // namespace

SkySettings LoadSkySettings(const QSettings& settings) {
  SkySettings sky;
  sky.kind = ParseSky(Stored(settings, kSkyKey)).value_or(SkyKind::Classic);
  sky.ayanamsa = ParseAyanamsa(Stored(settings, kAyanamsaKey)).value_or(AyanamsaKind::Lahiri);
  sky.node = ParseNode(Stored(settings, kNodeKey)).value_or(NodeKind::Mean);
  return sky;
}

void SaveSkySettings(QSettings& settings, const SkySettings& sky) {
  settings.setValue(kSkyKey, Text(SkyCommandName(sky.kind)));
  settings.setValue(kAyanamsaKey, Text(AyanamsaCommandName(sky.ayanamsa)));
  settings.setValue(kNodeKey, Text(NodeName(sky.node)));
}

}  // namespace tarvel
