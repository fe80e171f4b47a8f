#include "app/window/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

namespace tarvel {
namespace {

// A name typed without an ending gets the one of the file type chosen, so that choosing "SVG
// drawing (*.svg)" and typing "chart" gives chart.svg.
void FollowChosenFileType(QFileDialog& dialog) {
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& type) {
    const QRegularExpressionMatch ending = QRegularExpression("\\*\\.([A-Za-z0-9]+)").match(type);
    if (ending.hasMatch()) dialog.setDefaultSuffix(ending.captured(1));
  });
}

// Remembered like the window's other settings, one folder for each kind of file.
QString FolderKey(FileKind kind) {
  return kind == FileKind::Reading ? "files/readingFolder" : "files/exportFolder";
}

// The folder last used for the kind, unless the offered name brings a folder of its own.
void StartInLastFolder(QFileDialog& dialog, const FileDialogRequest& request) {
  if (QFileInfo(request.initialName).isAbsolute()) return;
  const QString folder = QSettings().value(FolderKey(request.kind)).toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.setDirectory(folder);
}

std::optional<QString> Choose(QFileDialog& dialog, const FileDialogRequest& request) {
  StartInLastFolder(dialog, request);
  dialog.setWindowTitle(request.title);
  dialog.setNameFilter(request.nameFilter);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.defaultSuffix.isEmpty()) FollowChosenFileType(dialog);
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  QSettings().setValue(FolderKey(request.kind), QFileInfo(chosen.constFirst()).absolutePath());
  return chosen.constFirst();
}

}  // namespace

std::optional<QString> FileDialogs::ChooseSaveFile(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // Qt's save dialog asks before overwriting unless told not to.
  dialog.setFileMode(QFileDialog::AnyFile);
  return Choose(dialog, request);
}

std::optional<QString> FileDialogs::ChooseOpenFile(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Choose(dialog, request);
}

}  // namespace tarvel
