#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>

#include "app/window/form_mapping.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

QStringList Entries(const QComboBox* list) {
  QStringList entries;
  for (int index = 0; index < list->count(); ++index) entries << list->itemText(index);
  return entries;
}

QStringList Numbers(int first, int last) {
  QStringList numbers;
  for (int number = first; number <= last; ++number) numbers << QString::number(number);
  return numbers;
}

using LoadTest = WindowTest;

TEST_F(LoadTest, CaptionsOfWindowAndViews) {
  EXPECT_EQ(window.windowTitle(), "Tarvel v1.0");
  EXPECT_EQ(in.Frame1->title(), "Personal Details");
  EXPECT_EQ(out.Frame2->title(), "Vedic Argala Planetary Intervention");
  EXPECT_EQ(window.FrontView(), in.Frame1);
  EXPECT_FALSE(out.Frame2->isVisible());
}

TEST_F(LoadTest, NumberListsHoldTheirNumbersFirstSelected) {
  EXPECT_EQ(Entries(in.cboDate), Numbers(1, 31));
  EXPECT_EQ(Entries(in.cboYear), Numbers(1900, 2050));
  EXPECT_EQ(in.cboYear->count(), 151);
  EXPECT_EQ(Entries(in.cboHour), Numbers(0, 23));
  EXPECT_EQ(Entries(in.cboMinute), Numbers(0, 59));
  EXPECT_EQ(Entries(in.cboSecond), Numbers(0, 59));
  for (const QComboBox* list : {in.cboDate, in.cboMonth, in.cboYear, in.cboHour, in.cboMinute,
                                in.cboSecond, in.cboTimeZone}) {
    EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
    EXPECT_FALSE(list->isEditable()) << list->objectName().toStdString();
  }
}

TEST_F(LoadTest, MonthListHoldsTheMonthNames) {
  const QStringList months{"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
  EXPECT_EQ(Entries(in.cboMonth), months);
}

TEST_F(LoadTest, TimeZoneListHoldsAllRowsInTableOrderThenAnExactOffsetAndLocalMeanTime) {
  ASSERT_EQ(in.cboTimeZone->count(), 73);
  EXPECT_EQ(in.cboTimeZone->itemText(72), "Local mean time");
  EXPECT_FALSE(in.txtZoneOffset->isEnabled());
  EXPECT_EQ(in.cboTimeZone->itemText(0), "Alaska/Hawaii Daylight Time,AHDT,9.0");
  EXPECT_EQ(in.cboTimeZone->itemText(1), "Alaska/Hawaii Standard Time,AHST,10.0");
  EXPECT_EQ(in.cboTimeZone->itemText(70), "Yukon War Time,YWT,8.0");
}

TEST_F(LoadTest, BoxesEmptyAndOptionsAtTheirDefaults) {
  for (const QLineEdit* box : TextBoxes(in)) {
    EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
  }
  for (const QLineEdit* box : {in.txtLatDeg, in.txtLatMin, in.txtLonDeg, in.txtLonMin}) {
    EXPECT_EQ(box->maxLength(), 3) << box->objectName().toStdString();
  }
  EXPECT_EQ(in.chkDST->text(), "Daylight Saving Time");
  EXPECT_FALSE(in.chkDST->isChecked());
  EXPECT_EQ(in.optLong[0]->text(), "East");
  EXPECT_EQ(in.optLong[1]->text(), "West");
  EXPECT_EQ(in.optLat[0]->text(), "North");
  EXPECT_EQ(in.optLat[1]->text(), "South");
  EXPECT_TRUE(in.optLong[0]->isChecked());
  EXPECT_TRUE(in.optLat[0]->isChecked());
  EXPECT_FALSE(window.bMaleSearch);
  // The window at load is the default form.
  EXPECT_EQ(ReadForm(in), BirthForm{});
}

TEST_F(LoadTest, ButtonAndLabelCaptions) {
  EXPECT_EQ(in.cmdCalculate->text(), "&Tarvel Reading");
  EXPECT_EQ(in.cmdOpen->text(), "&Open Previously Saved Reading");
  EXPECT_EQ(in.Command1->text(), "Click here to find Latitude && Longitude");
  EXPECT_EQ(out.cmdSave->text(), "&Save");
  EXPECT_EQ(out.cmdBack->text(), "&Back");
  const QStringList captions{"Name",      "Date of Birth", "Time of Birth", "Latitude",
                             "Longitude", "DEG/MIN",       "DEG/MIN",       "City",
                             "State",     "Country",       "Time Zone"};
  for (int index = 0; index < captions.size(); ++index) {
    EXPECT_EQ(in.lblLabel[static_cast<std::size_t>(index)]->text(), captions[index]);
  }
  EXPECT_EQ(in.lblLabel[11]->text(),
            "Argala or planetary intervention can be translated as \"a bolt\". This refers to "
            "intervention by one planet into the affairs of another. This influence can be good "
            "or bad depending on the nature of the planets involved.");
  EXPECT_EQ(in.Label16->text(), "HH/MM");
}

TEST_F(LoadTest, ControlsCarryTheirNames) {
  EXPECT_EQ(window.findChild<QLineEdit*>("txtName"), in.txtName);
  EXPECT_EQ(window.findChild<QComboBox*>("cboTimeZone"), in.cboTimeZone);
  EXPECT_EQ(window.findChild<QPushButton*>("Command1"), in.Command1);
  EXPECT_EQ(window.findChild<QRadioButton*>("optLat_1"), in.optLat[1]);
  EXPECT_EQ(window.findChild<QTextEdit*>("RTB"), out.RTB);
  EXPECT_EQ(window.findChild<RasiChartView*>("picDisplay"), out.chart);
  EXPECT_EQ(window.findChild<QLabel*>("lblHeader"), out.lblHeader);
}

TEST_F(LoadTest, TabOrderFollowsTheForm) {
  const std::vector<QWidget*> expected{
      in.txtName,   in.cboDate,     in.cboMonth,      in.cboYear,    in.cboHour,      in.cboMinute,
      in.cboSecond, in.cboTimeZone, in.txtZoneOffset, in.txtLatDeg,  in.txtLatMin,    in.txtLonDeg,
      in.txtLonMin, in.txtCity,     in.txtState,      in.txtCountry, in.cmdCalculate, in.cmdOpen,
      in.chkDST,    in.optLong[0],  in.optLong[1],    in.optLat[0],  in.optLat[1],    in.Command1};
  std::vector<QWidget*> chain;
  for (QWidget* widget = in.txtName; chain.size() < expected.size();
       widget = widget->nextInFocusChain()) {
    if (widget->focusPolicy() & Qt::TabFocus && in.Frame1->isAncestorOf(widget)) {
      chain.push_back(widget);
    }
  }
  EXPECT_EQ(chain, expected);
}

TEST_F(LoadTest, MenusAsOnTheForm) {
  const MenuActions& menu = window.Menu();
  QStringList bar;
  for (const QAction* action : window.menuBar()->actions()) bar << action->text();
  EXPECT_EQ(bar, (QStringList{"&File", "&View", "S&ky", "&Help", "Donate"}));
  EXPECT_EQ(window.menuBar()->actions().last(), menu.mnuDonate);
  QStringList file;
  for (const QAction* action : menu.mnuFile->actions()) {
    file << (action->isSeparator() ? "-" : action->text());
  }
  EXPECT_EQ(file,
            (QStringList{"Get My &Rasi Chart", "-", "&Open...", "Open Re&cent", "&Save",
                         "Save &As...", "-", "&Print...", "Export P&DF...", "Export &Image...", "-",
                         "Start With an Empty &Form", "-", "&Exit"}));
  QStringList help;
  for (const QAction* action : menu.mnuHelp->actions()) {
    help << (action->isSeparator() ? "-" : action->text());
  }
  EXPECT_EQ(help, (QStringList{"&Online Help", "&Visit Us Online", "-",
                               "Check for Software &Update", "-", "&About Software"}));
}

TEST_F(LoadTest, TheTwoViewsShareSizeAndPlace) {
  window.BringResultViewToFront();
  EXPECT_EQ(out.Frame2->geometry(), in.Frame1->geometry());
  EXPECT_EQ(out.Frame2->parentWidget(), in.Frame1->parentWidget());
  EXPECT_TRUE(out.Frame2->isVisible());
  EXPECT_FALSE(in.Frame1->isVisible());
}

}  // namespace
}  // namespace tarvel::testing
