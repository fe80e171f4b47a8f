#include "app/window/input_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/window/number_typing.h"
#include "app/window/year_list.h"
#include "app/window/zone_list.h"
#include "web/about/named.h"

namespace tarvel {
namespace {

constexpr std::array<const char*, 12> kLabelCaptions{
    "Name",
    "Date of Birth",
    "Time of Birth",
    "Latitude",
    "Longitude",
    "DEG/MIN",
    "DEG/MIN",
    "City",
    "State",
    "Country",
    "Time Zone",
    "Argala or planetary intervention can be translated as \"a bolt\". This refers to "
    "intervention by one planet into the affairs of another. This influence can be good or "
    "bad depending on the nature of the planets involved."};
constexpr int kDescriptionLabel = 11;
constexpr int kDigitsBoxWidthPx = 48;

QComboBox* CreateList(FormList list, const char* name, QWidget* parent) {
  auto* box = Named(new QComboBox(parent), name);
  for (int index = 0; index < ListSize(list); ++index) {
    box->addItem(QString::fromStdString(ListEntry(list, index)));
  }
  box->setCurrentIndex(0);
  return box;
}

QComboBox* CreateNumberList(int first, int last, const char* name, QWidget* parent) {
  auto* box = Named(new QComboBox(parent), name);
  for (int number = first; number <= last; ++number) box->addItem(QString::number(number));
  return box;
}

FilteredLineEdit* CreateTextBox(FormField field, const char* name, QWidget* parent) {
  const KeyClass keyClass = KeyClassOf(field);
  auto* box = Named(new FilteredLineEdit(keyClass, parent), name);
  if (keyClass == KeyClass::Digits) {
    box->setMaxLength(static_cast<int>(DigitText::kMaxLength));
    box->setFixedWidth(kDigitsBoxWidthPx);
    box->setAlignment(Qt::AlignRight);
  }
  return box;
}

// An option pair in a frame of its own, so exactly one of the two is selected; index 0
// starts selected.
std::array<QRadioButton*, 2> CreateOptionPair(const char* frameName, const char* name,
                                              const char* first, const char* second,
                                              QWidget* parent) {
  auto* frame = Named(new QFrame(parent), frameName);
  frame->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QHBoxLayout(frame);
  layout->setContentsMargins(6, 0, 6, 0);
  const std::array<QRadioButton*, 2> pair{new QRadioButton(first, frame),
                                          new QRadioButton(second, frame)};
  for (std::size_t index = 0; index < pair.size(); ++index) {
    pair[index]->setObjectName(QString("%1_%2").arg(name).arg(index));
    layout->addWidget(pair[index]);
  }
  pair[0]->setChecked(true);
  return pair;
}

void CreateEntryControls(InputControls& c, QWidget* frame) {
  c.txtName = CreateTextBox(FormField::txtName, "txtName", frame);
  c.cboDate = CreateList(FormList::cboDate, "cboDate", frame);
  c.cboMonth = CreateList(FormList::cboMonth, "cboMonth", frame);
  c.cboYear = Named(new QComboBox(frame), "cboYear");
  ShowYears(*c.cboYear, YearsOf(SkyKind::Classic));
  c.cboHour = CreateList(FormList::cboHour, "cboHour", frame);
  c.cboMinute = CreateList(FormList::cboMinute, "cboMinute", frame);
  c.cboSecond = CreateNumberList(0, 59, "cboSecond", frame);
  for (QComboBox* list : {c.cboDate, c.cboMonth, c.cboYear, c.cboHour, c.cboMinute, c.cboSecond}) {
    new NumberTyping(*list);
  }
  c.cboTimeZone = CreateList(FormList::cboTimeZone, "cboTimeZone", frame);
  c.txtZoneOffset = Named(new QLineEdit(frame), "txtZoneOffset");
  AddZoneEntries(*c.cboTimeZone, *c.txtZoneOffset);
  c.txtLatDeg = CreateTextBox(FormField::txtLatDeg, "txtLatDeg", frame);
  c.txtLatMin = CreateTextBox(FormField::txtLatMin, "txtLatMin", frame);
  c.txtLonDeg = CreateTextBox(FormField::txtLonDeg, "txtLonDeg", frame);
  c.txtLonMin = CreateTextBox(FormField::txtLonMin, "txtLonMin", frame);
  c.txtCity = CreateTextBox(FormField::txtCity, "txtCity", frame);
  c.txtState = CreateTextBox(FormField::txtState, "txtState", frame);
  c.txtCountry = CreateTextBox(FormField::txtCountry, "txtCountry", frame);
  c.chkDST = Named(new QCheckBox("Daylight Saving Time", frame), "chkDST");
  c.optLong = CreateOptionPair("fraLong", "optLong", "East", "West", frame);
  c.optLat = CreateOptionPair("fraLat", "optLat", "North", "South", frame);
}

void CreateButtonsAndLabels(InputControls& c, QWidget* frame) {
  c.cmdCalculate = Named(new QPushButton("&Tarvel Reading", frame), "cmdCalculate");
  c.cmdCalculate->setDefault(true);
  c.cmdOpen = Named(new QPushButton("&Open Previously Saved Reading", frame), "cmdOpen");
  c.Command1 =
      Named(new QPushButton("Click here to find Latitude && Longitude", frame), "Command1");
  for (std::size_t index = 0; index < kLabelCaptions.size(); ++index) {
    c.lblLabel[index] = new QLabel(kLabelCaptions[index], frame);
    c.lblLabel[index]->setObjectName(QString("lblLabel_%1").arg(index));
  }
  QLabel* description = c.lblLabel[kDescriptionLabel];
  description->setWordWrap(true);
  QFont italic = description->font();
  italic.setItalic(true);
  description->setFont(italic);
  c.Label16 = Named(new QLabel("HH/MM", frame), "Label16");
  c.lblZoneNote = Named(new QLabel(frame), "lblZoneNote");
  c.lblZoneNote->setWordWrap(true);
  QFont small = c.lblZoneNote->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  c.lblZoneNote->setFont(small);
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  row->setSpacing(8);
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return row;
}

void ArrangeFieldRows(const InputControls& c, QGridLayout& grid) {
  const auto& l = c.lblLabel;
  QWidget* latFrame = c.optLat[0]->parentWidget();
  QWidget* lonFrame = c.optLong[0]->parentWidget();
  grid.addWidget(l[kDescriptionLabel], 0, 0, 1, 2);
  grid.addWidget(l[0], 1, 0);
  grid.addWidget(c.txtName, 1, 1);
  grid.addWidget(l[1], 2, 0);
  grid.addLayout(Row({c.cboDate, c.cboMonth, c.cboYear}), 2, 1);
  grid.addWidget(l[2], 3, 0);
  grid.addLayout(Row({c.cboHour, c.cboMinute, c.cboSecond, c.Label16, c.chkDST}), 3, 1);
  grid.addWidget(l[10], 4, 0);
  auto* zone = new QVBoxLayout;
  zone->setSpacing(2);
  zone->addLayout(Row({c.cboTimeZone, c.txtZoneOffset}));
  zone->addWidget(c.lblZoneNote);
  grid.addLayout(zone, 4, 1);
  grid.addWidget(l[3], 5, 0);
  grid.addLayout(Row({c.txtLatDeg, c.txtLatMin, l[5], latFrame}), 5, 1);
  grid.addWidget(l[4], 6, 0);
  grid.addLayout(Row({c.txtLonDeg, c.txtLonMin, l[6], lonFrame}), 6, 1);
  grid.addWidget(l[7], 7, 0);
  grid.addWidget(c.txtCity, 7, 1);
  grid.addWidget(l[8], 8, 0);
  grid.addWidget(c.txtState, 8, 1);
  grid.addWidget(l[9], 9, 0);
  grid.addWidget(c.txtCountry, 9, 1);
  grid.addLayout(Row({c.Command1}), 10, 1);
}

void ArrangeInputView(const InputControls& c) {
  auto* grid = new QGridLayout(c.Frame1);
  grid->setHorizontalSpacing(12);
  grid->setColumnStretch(1, 1);
  ArrangeFieldRows(c, *grid);
  grid->setRowStretch(11, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(c.cmdOpen);
  buttons->addStretch();
  buttons->addWidget(c.cmdCalculate);
  grid->addLayout(buttons, 12, 0, 1, 2);
}

void SetTabOrder(const InputControls& c) {
  const std::array<QWidget*, 23> order{
      c.txtName,   c.cboDate,     c.cboMonth,      c.cboYear,    c.cboHour,      c.cboMinute,
      c.cboSecond, c.cboTimeZone, c.txtZoneOffset, c.txtLatDeg,  c.txtLatMin,    c.txtLonDeg,
      c.txtLonMin, c.txtCity,     c.txtState,      c.txtCountry, c.cmdCalculate, c.cmdOpen,
      c.chkDST,    c.optLong[0],  c.optLong[1],    c.optLat[0],  c.optLat[1]};
  for (std::size_t index = 0; index + 1 < order.size(); ++index) {
    QWidget::setTabOrder(order[index], order[index + 1]);
  }
  QWidget::setTabOrder(order.back(), c.Command1);
}

}  // namespace

InputControls BuildInputView(QWidget* parent) {
  InputControls controls;
  controls.Frame1 = Named(new QGroupBox("Personal Details", parent), "Frame1");
  CreateEntryControls(controls, controls.Frame1);
  CreateButtonsAndLabels(controls, controls.Frame1);
  ArrangeInputView(controls);
  SetTabOrder(controls);
  return controls;
}

FilteredLineEdit* TextBox(const InputControls& controls, FormField field) {
  switch (field) {
    case FormField::txtName:
      return controls.txtName;
    case FormField::txtLatDeg:
      return controls.txtLatDeg;
    case FormField::txtLatMin:
      return controls.txtLatMin;
    case FormField::txtLonDeg:
      return controls.txtLonDeg;
    case FormField::txtLonMin:
      return controls.txtLonMin;
    case FormField::txtCity:
      return controls.txtCity;
    case FormField::txtState:
      return controls.txtState;
    case FormField::txtCountry:
      break;
  }
  return controls.txtCountry;
}

QComboBox* ListBox(const InputControls& controls, FormList list) {
  return ListMember(controls, list);
}

std::array<FilteredLineEdit*, 8> TextBoxes(const InputControls& controls) {
  return {controls.txtName,   controls.txtLatDeg, controls.txtLatMin, controls.txtLonDeg,
          controls.txtLonMin, controls.txtCity,   controls.txtState,  controls.txtCountry};
}

}  // namespace tarvel
