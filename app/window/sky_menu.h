#pragma once

#include <QAction>
#include <QMenu>
#include <array>

#include "positions/sky_settings.h"

class QMenuBar;

namespace tarvel {

/// The "&Sky" menu: which sky places the planets, and the precise sky's ayanamsa and node.
struct SkyMenuActions {
  QMenu* mnuSky = nullptr;
  QAction* mnuClassic = nullptr;  ///< "Classic formulas"
  QAction* mnuSwiss = nullptr;    ///< "Swiss Ephemeris"
  QMenu* mnuAyanamsa = nullptr;
  std::array<QAction*, kAyanamsaKinds.size()> ayanamsa{};  ///< by AyanamsaKind
  QMenu* mnuNode = nullptr;
  std::array<QAction*, kNodeKinds.size()> node{};  ///< by NodeKind
};

/// Adds the sky menu to the menu bar, before `before` (the Help menu); each group's items
/// are exclusive.
SkyMenuActions BuildSkyMenu(QMenuBar* bar, QAction* before);

/// Ticks the items of a choice; the ayanamsa and node items are only open to the precise sky.
void ShowSkySettings(const SkyMenuActions& menu, const SkySettings& settings);

/// The choice the ticked items make.
SkySettings ChosenSkySettings(const SkyMenuActions& menu);

}  // namespace tarvel
