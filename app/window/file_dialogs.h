#pragma once

#include "app/window/file_chooser.h"

class QWidget;

namespace tarvel {

/// The file chooser of the desktop: modal file dialogs over a parent window.
class FileDialogs : public FileChooser {
 public:
  /// `parent` must outlive the chooser.
  explicit FileDialogs(QWidget* parent) : parent_(parent) {}

  std::optional<QString> ChooseSaveFile(const FileDialogRequest& request) override;
  std::optional<QString> ChooseOpenFile(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace tarvel
