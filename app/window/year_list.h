#pragma once

#include "positions/sky_settings.h"

class QComboBox;

namespace tarvel {

/// Fills the year list with a sky's years, keeping the year it shows; a year outside them (one
/// a reading brought) stays in the list, in its place, so the form keeps it until changed.
/// Emits no change: the year shown stays the same.
void ShowYears(QComboBox& list, SkyYears years);

/// The year the list shows.
int ShownYear(const QComboBox& list);

/// Shows a year, adding it to the list in its place when the list does not hold it.
void ShowYear(QComboBox& list, int year);

}  // namespace tarvel
