#include "app/window/window_memory.h"

#include <QWidget>
#include <array>
#include <cstdlib>
#include <utility>

#include "form/validation.h"

namespace tarvel {
namespace {

constexpr auto kGeometryKey = "window/geometry";
constexpr auto kStartEmptyKey = "form/startEmpty";
constexpr auto kDaylightKey = "form/chkDST";
constexpr auto kZoneKindKey = "form/zoneKind";
constexpr auto kZoneOffsetKey = "form/zoneOffsetSeconds";

// How each kind of zone is remembered.
constexpr std::array<std::pair<ZoneKind, const char*>, 3> kZoneKindNames{{
    {ZoneKind::Row, "row"},
    {ZoneKind::Offset, "offset"},
    {ZoneKind::LocalMeanTime, "lmt"},
}};

// A list that holds part of the moment or the zone: its key, its field and the list whose
// size bounds it (the seconds run as the minutes do).
struct MomentList {
  const char* key;
  int BirthForm::*field;
  FormList list;
};

constexpr std::array<MomentList, 7> kMomentLists{{
    {"form/cboDate", &BirthForm::cboDate, FormList::cboDate},
    {"form/cboMonth", &BirthForm::cboMonth, FormList::cboMonth},
    {"form/cboYear", &BirthForm::cboYear, FormList::cboYear},
    {"form/cboHour", &BirthForm::cboHour, FormList::cboHour},
    {"form/cboMinute", &BirthForm::cboMinute, FormList::cboMinute},
    {"form/cboSecond", &BirthForm::cboSecond, FormList::cboMinute},
    {"form/cboTimeZone", &BirthForm::cboTimeZone, FormList::cboTimeZone},
}};

void SaveZone(const BirthForm& form, QSettings& settings) {
  for (const auto& [kind, name] : kZoneKindNames) {
    if (kind == form.zoneKind) settings.setValue(kZoneKindKey, name);
  }
  settings.setValue(kZoneOffsetKey, form.zoneOffsetSeconds);
}

// A kind or an offset no form can hold (another version's) leaves the zone row as it is.
void RestoreZone(BirthForm& form, const QSettings& settings) {
  const QString name = settings.value(kZoneKindKey).toString();
  bool isNumber = false;
  const int offsetSeconds = settings.value(kZoneOffsetKey).toInt(&isNumber);
  for (const auto& [kind, kindName] : kZoneKindNames) {
    if (name != kindName) continue;
    if (kind == ZoneKind::Offset && !(isNumber && std::abs(offsetSeconds) <= kLargestOffsetSeconds))
      return;
    form.zoneKind = kind;
    form.zoneOffsetSeconds = kind == ZoneKind::Offset ? offsetSeconds : 0;
  }
}

}  // namespace

void SaveWindowGeometry(const QWidget& window, QSettings& settings) {
  settings.setValue(kGeometryKey, window.saveGeometry());
}

void RestoreWindowGeometry(QWidget& window, const QSettings& settings) {
  const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
  if (!geometry.isEmpty()) window.restoreGeometry(geometry);
}

void SaveFormMoment(const BirthForm& form, QSettings& settings) {
  for (const MomentList& moment : kMomentLists) {
    settings.setValue(moment.key, form.*moment.field);
  }
  settings.setValue(kDaylightKey, form.chkDST);
  SaveZone(form, settings);
}

void RestoreFormMoment(BirthForm& form, const QSettings& settings) {
  if (StartsWithEmptyForm(settings)) return;
  const BirthForm before = form;
  // An index beyond its list (another version's) is not taken.
  for (const MomentList& moment : kMomentLists) {
    bool isNumber = false;
    const int index = settings.value(moment.key).toInt(&isNumber);
    if (isNumber && index >= 0 && index < ListSize(moment.list)) form.*moment.field = index;
  }
  // A day the month does not have is refused as typed: the form keeps its date.
  if (FindImpossibleDate(form)) {
    form.cboDate = before.cboDate;
    form.cboMonth = before.cboMonth;
    form.cboYear = before.cboYear;
  }
  form.chkDST = settings.value(kDaylightKey, form.chkDST).toBool();
  RestoreZone(form, settings);
}

bool StartsWithEmptyForm(const QSettings& settings) {
  return settings.value(kStartEmptyKey, false).toBool();
}

void SetStartsWithEmptyForm(QSettings& settings, bool empty) {
  settings.setValue(kStartEmptyKey, empty);
}

}  // namespace tarvel
