#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <QSettings>
#include <functional>

#include "app/window/form_mapping.h"
#include "app/window/zone_list.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

class FileMenuTest : public WindowTest {
 protected:
  FileMenuTest() {
    window.SetFileChooser(chooser);
    window.SetCloseQuestion([this](const QString& name, LeaveReason) {
      asked.push_back(name);
      return answer;
    });
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  QString PathTo(const QString& name) const { return folder.filePath(name); }

  void Calculate() {
    FillRequiredBoxes();
    in.cmdCalculate->click();
    ASSERT_TRUE(sink.messages.empty()) << sink.messages[0].text;
  }

  void SaveAs(const QString& name) {
    chooser.answer = PathTo(name);
    window.Menu().mnuSaveAs->trigger();
  }

  QTemporaryDir folder;
  FakeChooser chooser;
  CloseAnswer answer = CloseAnswer::Cancel;
  QStringList asked;
};

TEST_F(FileMenuTest, EachShortcutTriggersItsItem) {
  Calculate();
  const MenuActions& menu = window.Menu();
  // Print is left out: its dialog would block.
  for (const auto& [key, action] : {std::pair{"Ctrl+O", menu.mnuOpen},
                                    {"Ctrl+S", menu.mnuSave},
                                    {"Ctrl+Shift+S", menu.mnuSaveAs},
                                    {"Ctrl+Q", menu.mnuExit},
                                    {"F1", menu.mnuOnline}}) {
    QSignalSpy triggered(action, &QAction::triggered);
    QTest::keySequence(&window, QKeySequence(key));
    EXPECT_EQ(triggered.count(), 1) << key;
  }
  EXPECT_EQ(menu.mnuPrint->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_TRUE(window.isVisible());  // Ctrl+Q asked over the unsaved reading and was cancelled
  EXPECT_EQ(asked, QStringList{"Asha Rao"});
}

TEST_F(FileMenuTest, SaveGoesToTheReadingsFileOnceItHasOne) {
  Calculate();
  window.Menu().mnuSave->trigger();  // no file yet: asks, offering the name
  ASSERT_EQ(chooser.saveRequests.size(), 1u);
  EXPECT_EQ(chooser.saveRequests[0].initialName, "Asha-Rao.tvl");
  SaveAs("asha.tvl");
  EXPECT_EQ(window.windowTitle(), "Asha Rao \u2014 asha.tvl[*] \u2014 Tarvel v1.0");
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_EQ(window.statusBar()->currentMessage(), "Saved " + PathTo("asha.tvl"));
  ASSERT_TRUE(QFile::remove(PathTo("asha.tvl")));
  window.Menu().mnuSave->trigger();
  EXPECT_EQ(chooser.saveRequests.size(), 2u);  // saved without asking
  EXPECT_TRUE(QFile::exists(PathTo("asha.tvl")));
  out.cmdBack->click();
  in.txtCity->setText("Mysuru");
  EXPECT_TRUE(window.isWindowModified());
  answer = CloseAnswer::Discard;
  chooser.answer = PathTo("asha.tvl");
  window.Menu().mnuOpen->trigger();  // the form as saved, so nothing is unsaved
  EXPECT_EQ(in.txtCity->text(), "Bengaluru");
  EXPECT_FALSE(window.isWindowModified());
}

// Closing asks only over a reading calculated and never saved, or a form changed since.
TEST_F(FileMenuTest, QuitAsksOnlyOverAnUnsavedReading) {
  struct Case {
    bool calculate, save, changeAfter;
    CloseAnswer answer;
    bool asks, closes;
  };
  const std::array<Case, 6> cases{{
      {false, false, false, CloseAnswer::Cancel, false, true},
      {true, false, false, CloseAnswer::Cancel, true, false},
      {true, false, false, CloseAnswer::Discard, true, true},
      {true, true, false, CloseAnswer::Cancel, false, true},
      {true, true, true, CloseAnswer::Cancel, true, false},
      {true, false, false, CloseAnswer::Save, true, true},
  }};
  for (std::size_t index = 0; index < cases.size(); ++index) {
    const Case& c = cases[index];
    frmMain other(sink, help);
    other.SetFileChooser(chooser);
    QStringList seen;
    other.SetCloseQuestion([&](const QString& name, LeaveReason) {
      seen << name;
      return c.answer;
    });
    other.show();
    const InputControls& form = other.Input();
    if (c.calculate) {
      FillRequiredBoxes(form);
      form.cmdCalculate->click();
    }
    const QString path = PathTo(QString("case%1.tvl").arg(index));
    chooser.answer = path;
    if (c.save) other.Menu().mnuSaveAs->trigger();
    if (c.changeAfter) form.txtCity->setText("Y");
    chooser.answer = path;  // for the Save answer
    other.Menu().mnuExit->trigger();
    EXPECT_EQ(!seen.isEmpty(), c.asks) << index;
    EXPECT_EQ(other.isVisible(), !c.closes) << index;
    EXPECT_EQ(QFile::exists(path), c.save || c.answer == CloseAnswer::Save) << index;
  }
}

// Opening asks over unsaved work by each of its ways, as closing does; Cancel keeps it all.
TEST_F(FileMenuTest, OpeningOverUnsavedWorkAsksAndCancelKeepsTheFormAndTheChart) {
  Calculate();
  SaveAs("saved.tvl");
  out.cmdBack->click();
  in.txtName->setText("Ravi Kumar");
  in.cmdCalculate->click();
  const BirthForm unsaved = ReadForm(in);
  const QString reading = out.RTB->toPlainText();
  for (const std::function<void()>& open : std::vector<std::function<void()>>{
           [this] { window.Menu().mnuOpen->trigger(); },
           [this] { window.Menu().mnuRecent->actions()[0]->trigger(); },
           [this] { in.cmdOpen->click(); }}) {
    chooser.answer = PathTo("saved.tvl");
    open();
    EXPECT_EQ(ReadForm(in), unsaved);
    EXPECT_EQ(out.RTB->toPlainText(), reading);
  }
  EXPECT_EQ(asked, QStringList(3, "Ravi Kumar"));
}

// The zone is remembered as chosen; a remembered day the month has not is not restored.
TEST_F(FileMenuTest, AnExactOffsetSurvivesARestart) {
  in.cboTimeZone->setCurrentIndex(kExactOffsetEntry);
  in.txtZoneOffset->setText("+05:45");
  Calculate();
  QSettings().setValue("form/cboDate", 30);  // 31 April
  QSettings().setValue("form/cboMonth", 3);
  RecordingSink later;
  frmMain restarted(later, help);
  EXPECT_EQ(restarted.Input().cboTimeZone->currentIndex(), kExactOffsetEntry);
  EXPECT_EQ(restarted.Input().txtZoneOffset->text(), "+05:45");
  EXPECT_EQ(restarted.Input().cboMonth->currentText(), "January");
}

// The form starts at the last reading's moment too, unless asked to start empty.
TEST_F(FileMenuTest, RecentReadingsSurviveARestartAndAMissingOneIsDropped) {
  Choose(in.cboYear, "1984");
  Calculate();
  SaveAs("first.tvl");
  SaveAs("second.tvl");
  const QStringList expected{PathTo("second.tvl"), PathTo("first.tvl")};
  EXPECT_EQ(window.RecentReadings(), expected);
  RecordingSink later;
  frmMain restarted(later, help);
  EXPECT_EQ(restarted.RecentReadings(), expected);
  EXPECT_EQ(restarted.Input().cboYear->currentText(), "1984");
  window.Menu().mnuStartEmpty->setChecked(true);
  EXPECT_EQ(frmMain(later, help).Input().cboYear->currentText(), "1900");
  const QList<QAction*> items = restarted.Menu().mnuRecent->actions();
  ASSERT_EQ(items.size(), 4);  // two readings, a separator and Clear
  EXPECT_EQ(items[0]->text(), "&1 second.tvl");
  ASSERT_TRUE(QFile::remove(PathTo("second.tvl")));
  items[0]->trigger();
  ASSERT_EQ(later.messages.size(), 1u);
  EXPECT_EQ(later.messages[0].text, "The reading " + PathTo("second.tvl").toStdString() +
                                        " is no longer there; it is taken off the recent list.");
  EXPECT_EQ(restarted.RecentReadings(), QStringList{PathTo("first.tvl")});
  restarted.Menu().mnuRecent->actions().last()->trigger();  // Clear Menu
  EXPECT_TRUE(restarted.RecentReadings().isEmpty());
  EXPECT_FALSE(restarted.Menu().mnuRecent->isEnabled());
}

// Alt and a letter reach one thing only: the menu bar's titles and the buttons in front.
TEST_F(FileMenuTest, EachViewsMnemonicsAreUniqueAndEveryControlHasATooltip) {
  for (QWidget* view : {static_cast<QWidget*>(in.Frame1), static_cast<QWidget*>(out.Frame2)}) {
    QStringList letters;
    QStringList texts;
    for (const QAction* menu : window.menuBar()->actions()) texts << menu->text();
    for (const auto* button : view->findChildren<QAbstractButton*>()) texts << button->text();
    for (QString text : texts) {
      const qsizetype amp = text.replace("&&", "").indexOf('&');
      if (amp < 0) continue;
      EXPECT_FALSE(letters.contains(text.at(amp + 1).toLower())) << text.toStdString();
      letters << text.at(amp + 1).toLower();
    }
    // A combo box's own line edit and list, and a tab widget's bar and its scroll buttons, are
    // parts of it, not controls of their own.
    for (QWidget* control : view->findChildren<QWidget*>()) {
      if (qobject_cast<QComboBox*>(control->parentWidget()) || qobject_cast<QTabBar*>(control) ||
          qobject_cast<QTabBar*>(control->parentWidget()) || control->focusPolicy() == Qt::NoFocus)
        continue;
      EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace tarvel::testing
