#pragma once

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <array>

#include "dasha/dasha_year.h"

namespace tarvel {

/// Sky › "Dasha &Year": the length of the year the periods are counted in, one item per year.
struct DashaYearMenu {
  QMenu* mnuDashaYear = nullptr;
  std::array<QAction*, kDashaYears.size()> years{};  ///< in the order of kDashaYears
};

/// Adds the menu at the end of the sky menu; its items are exclusive.
DashaYearMenu BuildDashaYearMenu(QMenu* sky);

/// Ticks the item of a year.
void ShowDashaYear(const DashaYearMenu& menu, DashaYear year);

/// The year of the ticked item.
DashaYear ChosenDashaYear(const DashaYearMenu& menu);

/// The year chosen in an earlier run; the sidereal year when none was, or the setting is not
/// one of the years' names. A display preference: reading files never hold it.
DashaYear LoadDashaYear(const QSettings& settings);

/// Remembers the year for the next run.
void SaveDashaYear(QSettings& settings, DashaYear year);

}  // namespace tarvel
