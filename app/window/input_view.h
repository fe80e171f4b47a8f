#pragma once

#include <QGroupBox>
#include <array>

#include "app/window/filtered_line_edit.h"
#include "form/birth_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvel {

/// The controls of the input view, by their names on the form.
struct InputControls {
  QGroupBox* Frame1 = nullptr;
  FilteredLineEdit* txtName = nullptr;
  QComboBox* cboDate = nullptr;
  QComboBox* cboMonth = nullptr;
  QComboBox* cboYear = nullptr;
  QComboBox* cboHour = nullptr;
  QComboBox* cboMinute = nullptr;
  QComboBox* cboSecond = nullptr;      ///< 0-59, beside the minutes
  QComboBox* cboTimeZone = nullptr;    ///< the 71 rows, then an exact offset and local mean time
  QLineEdit* txtZoneOffset = nullptr;  ///< the exact offset, open while it is chosen
  FilteredLineEdit* txtLatDeg = nullptr;
  FilteredLineEdit* txtLatMin = nullptr;
  FilteredLineEdit* txtLonDeg = nullptr;
  FilteredLineEdit* txtLonMin = nullptr;
  FilteredLineEdit* txtCity = nullptr;
  FilteredLineEdit* txtState = nullptr;
  FilteredLineEdit* txtCountry = nullptr;
  QPushButton* cmdCalculate = nullptr;
  QPushButton* cmdOpen = nullptr;
  QCheckBox* chkDST = nullptr;
  std::array<QRadioButton*, 2> optLong{};  ///< 0 East, 1 West
  std::array<QRadioButton*, 2> optLat{};   ///< 0 North, 1 South
  QPushButton* Command1 = nullptr;
  std::array<QLabel*, 12> lblLabel{};
  QLabel* Label16 = nullptr;
  QLabel* lblZoneNote = nullptr;  ///< what the atlas chose for the zone, and why
};

/// Creates the input view inside `parent`, every list filled and every control at its load
/// value, in the window's tab order.
InputControls BuildInputView(QWidget* parent);

/// The text box of a form field.
FilteredLineEdit* TextBox(const InputControls& controls, FormField field);

/// The drop-down list of a form list.
QComboBox* ListBox(const InputControls& controls, FormList list);

/// Every text box, in tab order.
std::array<FilteredLineEdit*, 8> TextBoxes(const InputControls& controls);

}  // namespace tarvel
