#include "app/window/file_dialogs.h"

#include <QFileDialog>

namespace tarvel {
namespace {

std::optional<QString> Choose(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setWindowTitle(request.title);
  dialog.setNameFilter(request.nameFilter);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
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
