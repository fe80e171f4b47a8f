#include "chart/skies.h"

#include "positions/classic_sky.h"
#include "positions/swiss/swiss_sky.h"

namespace tarvel {

namespace {

constexpr AyanamsaKind kAyanamsas[] = {AyanamsaKind::Lahiri,           AyanamsaKind::Raman,
                                       AyanamsaKind::Krishnamurti,     AyanamsaKind::FaganBradley,
                                       AyanamsaKind::TrueChitrapaksha, AyanamsaKind::Yukteshwar};
constexpr NodeKind kNodes[] = {NodeKind::Mean, NodeKind::True};

// The precise skies follow the classic one, by ayanamsa, then node.
std::size_t IndexOf(const SkySettings& settings) {
  if (settings.kind == SkyKind::Classic) return 0;
  return 1 + static_cast<std::size_t>(settings.ayanamsa) * std::size(kNodes) +
         static_cast<std::size_t>(settings.node);
}

}  // namespace

Skies::Skies() {
  skies_.push_back(std::make_unique<ClassicSky>());
  for (const AyanamsaKind ayanamsa : kAyanamsas) {
    for (const NodeKind node : kNodes) {
      skies_.push_back(std::make_unique<SwissSky>(SkySettings{SkyKind::Swiss, ayanamsa, node}));
    }
  }
}

const Sky& Skies::For(const SkySettings& settings) const {
  return *skies_.at(IndexOf(settings));
}

}  // namespace tarvel
