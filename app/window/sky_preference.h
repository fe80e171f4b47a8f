#pragma once

#include <QSettings>

#include "positions/sky_settings.h"

namespace tarvel {

/// The sky chosen in an earlier run; the classic sky when none was, or a name is unknown.
SkySettings LoadSkySettings(const QSettings& settings);

/// Remembers the sky for the next run, by the names the command line uses.
void SaveSkySettings(QSettings& settings, const SkySettings& sky);

}  // namespace tarvel
