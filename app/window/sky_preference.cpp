#include "app/window/sky_preference.h"
#include "export/placed_text.h"

namespace tarvel {

namespace {

constexpr const char* kSkyKey = "sky/kind";
constexpr const char* kAyanamsaKey = "sky/ayanamsa";
constexpr const char* kNodeKey = "sky/node";

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
  settings.setValue(kSkyKey, FromUtf8(SkyCommandName(sky.kind)));
  settings.setValue(kAyanamsaKey, FromUtf8(AyanamsaCommandName(sky.ayanamsa)));
  settings.setValue(kNodeKey, FromUtf8(NodeName(sky.node)));
}

}  // namespace tarvel
