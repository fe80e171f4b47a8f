#pragma once

#include <optional>
#include <string>

#include "base/time_zones.h"
#include "form/birth_form.h"

class QComboBox;
class QLineEdit;

namespace tarvel {

/// The zone list's entries after the 71 rows.
inline constexpr int kExactOffsetEntry = kTimeZoneRows;
inline constexpr int kLocalMeanTimeEntry = kTimeZoneRows + 1;

/// Adds the exact-offset and local-mean-time entries after the rows, and makes `offsetBox` the
/// exact offset's editor: it takes ±HH:MM or ±HH:MM:SS up to 15:00 either way and is open
/// only while the exact offset is chosen.
void AddZoneEntries(QComboBox& zoneList, QLineEdit& offsetBox);

/// Reads the zone into the form: a row, the offset in the editor, or local mean time. The row
/// of an offset or of local mean time is the one nearest in offset, as a reading file keeps it.
void ReadZone(const QComboBox& zoneList, const QLineEdit& offsetBox, BirthForm& form);

/// Shows the form's zone; an exact offset is named `label` when one is given ("Asia/Kathmandu,
/// +0545, UTC+05:45"), else by its offset ("UTC+05:45").
void WriteZone(const BirthForm& form, QComboBox& zoneList, QLineEdit& offsetBox,
               const std::string& label = {});

/// Why the exact offset in the editor cannot be computed with, when it is chosen; else empty.
std::optional<std::string> ZoneOffsetProblem(const QComboBox& zoneList, const QLineEdit& offsetBox);

}  // namespace tarvel
