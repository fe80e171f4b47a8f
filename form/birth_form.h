#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/civil_time.h"
#include "base/zone_choice.h"
#include "form/digit_text.h"

namespace tarvel {

enum class LatitudeChoice { Neither, North, South };
enum class LongitudeChoice { Neither, East, West };

/// The eight text boxes of the input view.
enum class FormField {
  txtName,
  txtLatDeg,
  txtLatMin,
  txtLonDeg,
  txtLonMin,
  txtCity,
  txtState,
  txtCountry
};

/// The six drop-down lists of the input view.
enum class FormList { cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone };

/// The input view as a plain value: each box's text as typed, each list's selected index,
/// the option pairs and the daylight-saving box. The default value is the window at load.
/// List indices are always within their lists (see ListSize).
struct BirthForm {
  std::string txtName;
  int cboDate = 0;      ///< day 1 at index 0
  int cboMonth = 0;     ///< January at index 0
  int cboYear = 100;    ///< the year minus kFirstYear (1800); 1900 at load
  int cboHour = 0;      ///< hour 0 at index 0
  int cboMinute = 0;    ///< minute 0 at index 0
  int cboSecond = 0;    ///< second 0 at index 0
  int cboTimeZone = 0;  ///< the time-zone row
  DigitText txtLatDeg;
  DigitText txtLatMin;
  DigitText txtLonDeg;
  DigitText txtLonMin;
  std::string txtCity;
  std::string txtState;
  std::string txtCountry;
  bool chkDST = false;
  LongitudeChoice optLong = LongitudeChoice::East;
  LatitudeChoice optLat = LatitudeChoice::North;
  ZoneKind zoneKind = ZoneKind::Row;  ///< Row: cboTimeZone and chkDST give the zone
  int zoneOffsetSeconds = 0;          ///< the exact offset when zoneKind is Offset

  bool operator==(const BirthForm&) const = default;
};

/// The zone the form names: its row, its exact offset or local mean time.
ZoneChoice FormZone(const BirthForm& form);

/// The years the form holds: every year some sky computes. Each sky refuses the years it does
/// not compute (see YearRefusal), the classic sky all but 1900-2050.
inline constexpr int kFirstYear = 1800;
inline constexpr int kLastYear = 2399;

/// The local date and clock time the lists select: each index counted from its list's first
/// entry (day 1, January, 1800, hour 0, minute 0, second 0).
CivilTime FormCivilTime(const BirthForm& form);

/// How many entries a list holds: 31 days, 12 months, 600 years, 24 hours, 60 minutes, 71 zones.
int ListSize(FormList list);

/// The text of a list entry as the window shows it ("1", "January", "1980", a zone's name).
std::string ListEntry(FormList list, int index);

/// The index of the entry whose text is exactly `text`, if any.
std::optional<int> FindListEntry(FormList list, std::string_view text);

/// The member named after a list in anything that names its members like the input view: the
/// form's selected index, or the window's drop-down list itself.
template <typename Controls>
auto& ListMember(Controls& controls, FormList list) {
  switch (list) {
    case FormList::cboDate:
      return controls.cboDate;
    case FormList::cboMonth:
      return controls.cboMonth;
    case FormList::cboYear:
      return controls.cboYear;
    case FormList::cboHour:
      return controls.cboHour;
    case FormList::cboMinute:
      return controls.cboMinute;
    case FormList::cboTimeZone:
      break;
  }
  return controls.cboTimeZone;
}

/// The selected index of a list in the form.
int SelectedIndex(const BirthForm& form, FormList list);

/// Selects an entry of a list; the index must be within the list.
void SelectIndex(BirthForm& form, FormList list, int index);

/// The text of a letters box or the digits of a digits box.
std::string_view FieldText(const BirthForm& form, FormField field);

}  // namespace tarvel
