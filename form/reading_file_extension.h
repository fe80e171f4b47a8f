#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/birth_data.h"
#include "base/zone_choice.h"
#include "form/birth_form.h"
#include "positions/sky_settings.h"

namespace tarvel {

/// The row line 6 of a reading file holds: the zone's own row, or for an exact offset or local
/// mean time the row nearest in offset (the lower on a tie), so that a reader of the first 17
/// lines alone still opens the file.
int ReadingFileRow(const BirthData& birth, const ZoneChoice& zone);

/// The texts of the lines that follow the 17th, unscrambled: the seconds, then nothing for
/// a row, "±HH:MM:SS" for an exact offset (+ ahead of universal time, daylight saving in it)
/// or "LMT"; then, for a sky other than the classic one, its kind, ayanamsa and node by their
/// command-line names ("swiss lahiri mean"). None for a row, no seconds and the classic sky, so
/// that such a file stays as it always was.
std::vector<std::string> ExtensionTexts(const BirthData& birth, const ZoneChoice& zone,
                                        const SkySettings& sky);

/// Restores the seconds, the zone and the sky from the unscrambled lines after the 17th;
/// `texts` empty leaves the form as the 17 lines made it and `sky` empty. False when the lines
/// do not read so: not two or three of them, seconds outside 0-59, a zone that is not empty,
/// an offset within 15:00 or LMT, or a sky line that is not three names (any letter case).
bool RestoreExtension(const std::vector<std::string>& texts, BirthForm& form,
                      std::optional<SkySettings>& sky);

}  // namespace tarvel
