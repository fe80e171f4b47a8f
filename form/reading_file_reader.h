#pragma once

#include <optional>
#include <string_view>

#include "form/birth_form.h"
#include "positions/sky_settings.h"

namespace tarvel {

/// The form a reading file describes: its first 17 lines, each unscrambled (bytes below 85
/// drop out), restore the name, the month (by number), the day, year, hour and minute (by
/// their list texts), the time-zone row, the coordinates' digits, the directions, daylight
/// saving and the place. The name and place lines are Windows-1252 and come back in UTF-8 as
/// they stand, spaces included. A yes/no line is "True" or "False" in any letter case, or a
/// number that is true when nonzero. Lines may end with CR LF or LF. Two more lines may
/// follow, the seconds and the zone when it is not a row, and a third, the sky the reading was
/// saved in when it is not the classic one (see docs/reading-file.md); anything else after the
/// 17th line refuses the file. `sky`, when given, receives that sky, or none without the line.
/// Nothing when the file is damaged: fewer than 17 lines, a number that is no list entry, a day,
/// year, hour or minute that no list shows, a coordinate that is not one to three digits, a yes/no
/// line that is no truth value, or a name or place holding a byte no save writes (a control
/// character or an undefined code; see windows_1252.h).
std::optional<BirthForm> ParseReadingFile(std::string_view bytes,
                                          std::optional<SkySettings>* sky = nullptr);

}  // namespace tarvel
