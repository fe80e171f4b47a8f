#include "app/window/form_mapping.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "app/window/year_list.h"
#include "app/window/zone_list.h"

namespace tarvel {
namespace {

constexpr std::array<FormField, 8> kFields{
    FormField::txtName,   FormField::txtLatDeg, FormField::txtLatMin, FormField::txtLonDeg,
    FormField::txtLonMin, FormField::txtCity,   FormField::txtState,  FormField::txtCountry};
// The year list holds the chosen sky's years, so a year goes by its text, not its index.
// The zone list holds more than the rows, so the zone goes by its own reading too.
constexpr std::array<FormList, 4> kIndexLists{FormList::cboDate, FormList::cboMonth,
                                              FormList::cboHour, FormList::cboMinute};

std::string TextOf(const QLineEdit* box) {
  return box->text().toStdString();
}

// The key filters and the length limit keep a digits box to one to three digits; should a
// box hold anything else, it counts as empty, which validation refuses.
DigitText DigitsOf(const QLineEdit* box) {
  return DigitText::Parse(TextOf(box)).value_or(DigitText{});
}

// 0 or 1 for the selected option of a pair, -1 when neither is.
int SelectedOption(const std::array<QRadioButton*, 2>& pair) {
  if (pair[0]->isChecked()) return 0;
  return pair[1]->isChecked() ? 1 : -1;
}

void SelectOption(const std::array<QRadioButton*, 2>& pair, int index) {
  for (int option = 0; option < 2; ++option) {
    QRadioButton* button = pair[static_cast<std::size_t>(option)];
    // Unchecking the selected button of a pair is only possible with the pairing off.
    button->setAutoExclusive(false);
    button->setChecked(option == index);
    button->setAutoExclusive(true);
  }
}

LongitudeChoice LongitudeOf(const InputControls& controls) {
  constexpr std::array<LongitudeChoice, 3> kChoices{LongitudeChoice::Neither, LongitudeChoice::East,
                                                    LongitudeChoice::West};
  return kChoices[static_cast<std::size_t>(SelectedOption(controls.optLong) + 1)];
}

LatitudeChoice LatitudeOf(const InputControls& controls) {
  constexpr std::array<LatitudeChoice, 3> kChoices{LatitudeChoice::Neither, LatitudeChoice::North,
                                                   LatitudeChoice::South};
  return kChoices[static_cast<std::size_t>(SelectedOption(controls.optLat) + 1)];
}

int OptionIndex(LongitudeChoice choice) {
  return choice == LongitudeChoice::Neither ? -1 : choice == LongitudeChoice::East ? 0 : 1;
}

int OptionIndex(LatitudeChoice choice) {
  return choice == LatitudeChoice::Neither ? -1 : choice == LatitudeChoice::North ? 0 : 1;
}

}  // namespace

BirthForm ReadForm(const InputControls& controls) {
  BirthForm form;
  form.txtName = TextOf(controls.txtName);
  form.txtLatDeg = DigitsOf(controls.txtLatDeg);
  form.txtLatMin = DigitsOf(controls.txtLatMin);
  form.txtLonDeg = DigitsOf(controls.txtLonDeg);
  form.txtLonMin = DigitsOf(controls.txtLonMin);
  form.txtCity = TextOf(controls.txtCity);
  form.txtState = TextOf(controls.txtState);
  form.txtCountry = TextOf(controls.txtCountry);
  for (FormList list : kIndexLists) {
    SelectIndex(form, list, ListBox(controls, list)->currentIndex());
  }
  form.cboYear = ShownYear(*controls.cboYear) - kFirstYear;
  form.cboSecond = controls.cboSecond->currentIndex();
  form.chkDST = controls.chkDST->isChecked();
  form.optLong = LongitudeOf(controls);
  form.optLat = LatitudeOf(controls);
  ReadZone(*controls.cboTimeZone, *controls.txtZoneOffset, form);
  return form;
}

void WriteForm(const BirthForm& form, const InputControls& controls) {
  for (FormField field : kFields) {
    TextBox(controls, field)->setText(QString::fromUtf8(FieldText(form, field)));
  }
  for (FormList list : kIndexLists) {
    ListBox(controls, list)->setCurrentIndex(SelectedIndex(form, list));
  }
  ShowYear(*controls.cboYear, FormCivilTime(form).year);
  controls.cboSecond->setCurrentIndex(form.cboSecond);
  WriteZone(form, *controls.cboTimeZone, *controls.txtZoneOffset);
  controls.chkDST->setChecked(form.chkDST);
  WriteDirections(form, controls);
}

void WriteDirections(const BirthForm& form, const InputControls& controls) {
  SelectOption(controls.optLong, OptionIndex(form.optLong));
  SelectOption(controls.optLat, OptionIndex(form.optLat));
}

}  // namespace tarvel
