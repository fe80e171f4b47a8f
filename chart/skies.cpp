#include "chart/skies.h"

#include "positions/classic/classic_sky.h"
#include "positions/swiss/swiss_sky.h"

namespace tarvel {

namespace {

// A kind's value is its place in the lists, which IndexOf counts on.
constexpr bool KindsInOrder() {
  for (std::size_t i = 0; i < kAyanamsaKinds.size(); ++i) {
    if (static_cast<std::size_t>(kAyanamsaKinds[i]) != i) return false;
  }
  for (std::size_t i = 0; i < kNodeKinds.size(); ++i) {
    if (static_cast<std::size_t>(kNodeKinds[i]) != i) return false;
  }
  return true;
}
static_assert(KindsInOrder());

// The precise skies follow the classic one, by ayanamsa, then node.
std::size_t IndexOf(const SkySettings& settings) {
  if (settings.kind == SkyKind::Classic) return 0;
  return 1 + static_cast<std::size_t>(settings.ayanamsa) * kNodeKinds.size() +
         static_cast<std::size_t>(settings.node);
}

}  // namespace

Skies::Skies() {
  skies_.push_back(std::make_unique<ClassicSky>());
  for (const AyanamsaKind ayanamsa : kAyanamsaKinds) {
    for (const NodeKind node : kNodeKinds) {
      skies_.push_back(std::make_unique<SwissSky>(SkySettings{SkyKind::Swiss, ayanamsa, node}));
    }
  }
}

void Skies::ReleaseThread() const {
  for (const auto& sky : skies_) sky->ReleaseThread();
}

const Sky& Skies::For(const SkySettings& settings) const {
  return *skies_.at(IndexOf(settings));
}

}  // namespace tarvel
