#include "form/birth_form.h"

#include <array>

#include "base/date_text.h"
#include "base/time_zones.h"

namespace tarvel {

CivilTime FormCivilTime(const BirthForm& form) {
  return {kFirstYear + form.cboYear,
          form.cboMonth + 1,
          form.cboDate + 1,
          form.cboHour,
          form.cboMinute,
          form.cboSecond};
}

int ListSize(FormList list) {
  switch (list) {
    case FormList::cboDate:
      return 31;
    case FormList::cboMonth:
      return static_cast<int>(kMonthNames.size());
    case FormList::cboYear:
      return kLastYear - kFirstYear + 1;
    case FormList::cboHour:
      return 24;
    case FormList::cboMinute:
      return 60;
    case FormList::cboTimeZone:
      return kTimeZoneRows;
  }
  return 0;
}

std::string ListEntry(FormList list, int index) {
  switch (list) {
    case FormList::cboDate:
      return std::to_string(index + 1);
    case FormList::cboMonth:
      return std::string(kMonthNames.at(index));
    case FormList::cboYear:
      return std::to_string(kFirstYear + index);
    case FormList::cboHour:
    case FormList::cboMinute:
      return std::to_string(index);
    case FormList::cboTimeZone:
      return std::string(kTimeZones.at(index).name);
  }
  return {};
}

std::optional<int> FindListEntry(FormList list, std::string_view text) {
  for (int index = 0; index < ListSize(list); ++index) {
    if (ListEntry(list, index) == text) return index;
  }
  return std::nullopt;
}

int SelectedIndex(const BirthForm& form, FormList list) {
  return ListMember(form, list);
}

void SelectIndex(BirthForm& form, FormList list, int index) {
  ListMember(form, list) = index;
}

std::string_view FieldText(const BirthForm& form, FormField field) {
  switch (field) {
    case FormField::txtName:
      return form.txtName;
    case FormField::txtLatDeg:
      return form.txtLatDeg.Text();
    case FormField::txtLatMin:
      return form.txtLatMin.Text();
    case FormField::txtLonDeg:
      return form.txtLonDeg.Text();
    case FormField::txtLonMin:
      return form.txtLonMin.Text();
    case FormField::txtCity:
      return form.txtCity;
    case FormField::txtState:
      return form.txtState;
    case FormField::txtCountry:
      return form.txtCountry;
  }
  return {};
}

ZoneChoice FormZone(const BirthForm& form) {
  switch (form.zoneKind) {
    case ZoneKind::Offset:
      return OffsetZone(form.zoneOffsetSeconds);
    case ZoneKind::LocalMeanTime:
      return LocalMeanTimeZone();
    case ZoneKind::Row:
      break;
  }
  return RowZone(form.cboTimeZone);
}

}  // namespace tarvel
