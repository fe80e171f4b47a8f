// The main window's file menu, title and what it remembers between runs.
#include <QAbstractButton>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>

#include "app/window/form_mapping.h"
#include "app/window/frm_main.h"
#include "app/window/reading_files.h"
#include "app/window/recent_readings.h"
#include "app/window/tooltips.h"
#include "app/window/window_memory.h"

namespace tarvel {
namespace {

constexpr int kStatusShownMs = 6000;

}  // namespace

void frmMain::ConnectFileMenu() {
  connect(menu_.mnuOpen, &QAction::triggered, this, &frmMain::OpenSavedReading);
  connect(menu_.mnuSave, &QAction::triggered, this, &frmMain::SaveReading);
  connect(menu_.mnuSaveAs, &QAction::triggered, this, &frmMain::SaveReadingAs);
  connect(menu_.mnuStartEmpty, &QAction::toggled, this, [](bool empty) {
    QSettings settings;
    SetStartsWithEmptyForm(settings, empty);
  });
  closeQuestion_ = [this](const QString& name, LeaveReason reason) {
    return AskSaveBeforeClose(this, name, reason);
  };
  ShowToolTips(*this);
  // Made now, so that the views keep their size when the first message shows.
  statusBar();
}

// Every change of the form may change whether the reading is saved.
void frmMain::WatchForm() {
  for (QLineEdit* box : input_.Frame1->findChildren<QLineEdit*>()) {
    connect(box, &QLineEdit::textChanged, this, &frmMain::ShowTitle);
  }
  for (QComboBox* list : input_.Frame1->findChildren<QComboBox*>()) {
    connect(list, &QComboBox::currentIndexChanged, this, &frmMain::ShowTitle);
  }
  for (QAbstractButton* button : input_.Frame1->findChildren<QAbstractButton*>()) {
    if (button->isCheckable())
      connect(button, &QAbstractButton::toggled, this, &frmMain::ShowTitle);
  }
  ShowTitle();
}

void frmMain::RestoreRemembered() {
  const QSettings settings;
  RestoreWindowGeometry(*this, settings);
  menu_.mnuStartEmpty->setChecked(StartsWithEmptyForm(settings));
  BirthForm form = ReadForm(input_);
  RestoreFormMoment(form, settings);
  WriteForm(form, input_);
  recent_ = LoadRecentReadings(settings);
  RefreshRecentMenu();
}

void frmMain::SetCloseQuestion(CloseQuestion question) {
  closeQuestion_ = std::move(question);
}

// Save goes to the reading's own file without asking; a reading without one is saved as.
bool frmMain::SaveReading() {
  if (session_.File().empty()) return SaveReadingAs();
  const QString path = QString::fromStdString(session_.File());
  return SavedTo(SaveReadingTo(path, sink_, state_) ? std::optional(path) : std::nullopt);
}

bool frmMain::SaveReadingAs() {
  return SavedTo(SaveReadingCommand(*chooser_, sink_, state_, LastSavePath));
}

bool frmMain::SavedTo(const std::optional<QString>& path) {
  if (!path) return false;
  session_.Saved(path->toStdString());
  recent_ = WithRecentReading(recent_, *path);
  RefreshRecentMenu();
  ShowTitle();
  ShowStatus("Saved " + *path);
  return true;
}

void frmMain::Opened(const QString& path) {
  const BirthForm form = ReadForm(input_);
  session_.Opened(path.toStdString(), form);
  QSettings settings;
  SaveFormMoment(form, settings);
  recent_ = WithRecentReading(recent_, path);
  RefreshRecentMenu();
  ShowTitle();
}

void frmMain::Calculated() {
  const BirthForm form = ReadForm(input_);
  session_.Calculated(form);
  QSettings settings;
  SaveFormMoment(form, settings);
  ShowTitle();
}

// A reading that is no longer there is said and taken off the list.
void frmMain::OpenRecentReading(const QString& path) {
  if (QFileInfo::exists(path)) {
    OpenReadingFile(path);
    return;
  }
  recent_.removeAll(path);
  RefreshRecentMenu();
  sink_.ShowMessage(MissingRecentReadingMessage(path).toStdString(), MessageIcon::Error);
}

void frmMain::RefreshRecentMenu() {
  QSettings settings;
  SaveRecentReadings(settings, recent_);
  tarvel::ShowRecentReadings(
      *menu_.mnuRecent, recent_, [this](const QString& path) { OpenRecentReading(path); },
      [this] {
        recent_.clear();
        RefreshRecentMenu();
      });
}

void frmMain::ShowTitle() {
  const std::string fileName =
      QFileInfo(QString::fromStdString(session_.File())).fileName().toStdString();
  setWindowTitle(QString::fromStdString(WindowTitle(session_.Name(), fileName)));
  // Qt warns of a modified mark in a title without its place.
  setWindowModified(windowTitle().contains("[*]") && session_.Unsaved(ReadForm(input_)));
}

// Asks over an unsaved reading, which a failed or cancelled save keeps.
bool frmMain::MayLeaveReading(LeaveReason reason) {
  if (!session_.Unsaved(ReadForm(input_)) || !closeQuestion_) return true;
  switch (closeQuestion_(QString::fromStdString(session_.Name()), reason)) {
    case CloseAnswer::Cancel:
      return false;
    case CloseAnswer::Save:
      return SaveReading();
    case CloseAnswer::Discard:
      break;
  }
  return true;
}

// A window that may close remembers its size and place.
bool frmMain::MayClose() {
  if (!MayLeaveReading(LeaveReason::Closing)) return false;
  QSettings settings;
  SaveWindowGeometry(*this, settings);
  return true;
}

void frmMain::ShowStatus(const QString& text) {
  statusBar()->showMessage(text, kStatusShownMs);
}

}  // namespace tarvel
