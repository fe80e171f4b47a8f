#pragma once

#include <QSettings>

#include "form/birth_form.h"

class QWidget;

namespace tarvel {

/// Remembers the window's size and place for the next run.
void SaveWindowGeometry(const QWidget& window, QSettings& settings);

/// Gives the window the size and place of the last run; leaves it as it is on a first run.
void RestoreWindowGeometry(QWidget& window, const QSettings& settings);

/// Remembers the moment and zone of a reading (date, time, zone row, daylight saving, and an
/// exact offset or local mean time as chosen), where the form starts next time.
void SaveFormMoment(const BirthForm& form, QSettings& settings);

/// Sets the form's date, time and zone to those remembered, each only when it is within its
/// list, the date only when the month has its day; nothing on a first run or when the user
/// asked for an empty form.
void RestoreFormMoment(BirthForm& form, const QSettings& settings);

/// Whether the form starts empty rather than at the last reading's moment; false at first.
bool StartsWithEmptyForm(const QSettings& settings);
void SetStartsWithEmptyForm(QSettings& settings, bool empty);

}  // namespace tarvel
