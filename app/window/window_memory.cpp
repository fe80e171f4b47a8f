#include "app/window/window_memory.h"

#include <QWidget>
#include <array>

namespace tarvel {
namespace {

constexpr auto kGeometryKey = "window/geometry";
constexpr auto kStartEmptyKey = "form/startEmpty";
constexpr auto kDaylightKey = "form/chkDST";

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
}

void RestoreFormMoment(BirthForm& form, const QSettings& settings) {
  if (StartsWithEmptyForm(settings)) return;
  // An index beyond its list (another version's) is not taken.
  for (const MomentList& moment : kMomentLists) {
    bool isNumber = false;
    const int index = settings.value(moment.key).toInt(&isNumber);
    if (isNumber && index >= 0 && index < ListSize(moment.list)) form.*moment.field = index;
  }
  form.chkDST = settings.value(kDaylightKey, form.chkDST).toBool();
}

bool StartsWithEmptyForm(const QSettings& settings) {
  return settings.value(kStartEmptyKey, false).toBool();
}

void SetStartsWithEmptyForm(QSettings& settings, bool empty) {
  settings.setValue(kStartEmptyKey, empty);
}

}  // namespace tarvel
